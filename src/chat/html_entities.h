// The characters that HTML's named entities stand for ('eacute' for 'é').
#pragma once

#include <optional>
#include <string_view>

namespace tunelet {

// The character named, case-sensitive; nothing for a name HTML does not know.
std::optional<char16_t> named_entity(std::u16string_view name);

}  // namespace tunelet
