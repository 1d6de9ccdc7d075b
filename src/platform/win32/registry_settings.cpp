#include "platform/win32/registry_settings.h"

#include <windows.h>

#include <vector>

#include "platform/win32/text_conversion.h"

namespace tunelet::win32 {
namespace {

Text key_path(const Text& application, const Text& section) {
  return u"Software\\VB and VBA Program Settings\\" + application + u"\\" + section;
}

class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey() {
    if (key_ != nullptr) {
      RegCloseKey(key_);
    }
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY* out() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

bool is_text(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ;
}

}  // namespace

// Other tools store the value as REG_EXPAND_SZ, or with an odd number of
// bytes; either is read whole, as it stands. A value of another type, or one
// the system will not give, is left for the caller to keep as it is.
std::optional<Text> RegistrySettings::load(const Text& application, const Text& section,
                                           const Text& key) {
  RegistryKey opened;
  const LONG opening = RegOpenKeyExW(HKEY_CURRENT_USER, wide(key_path(application, section)), 0,
                                     KEY_READ, opened.out());
  if (opening != ERROR_SUCCESS) {
    return opening == ERROR_FILE_NOT_FOUND ? std::optional<Text>(Text()) : std::nullopt;
  }
  DWORD type = 0;
  DWORD size = 0;
  const LONG asking = RegQueryValueExW(opened.get(), wide(key), nullptr, &type, nullptr, &size);
  if (asking == ERROR_FILE_NOT_FOUND) {
    return Text();
  }
  if (asking != ERROR_SUCCESS || !is_text(type)) {
    return std::nullopt;
  }
  // Room for every byte stored, and a NUL after them.
  std::vector<wchar_t> value(size / sizeof(wchar_t) + 2, L'\0');
  size = static_cast<DWORD>((value.size() - 1) * sizeof(wchar_t));
  if (RegQueryValueExW(opened.get(), wide(key), nullptr, &type,
                       reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS ||
      !is_text(type)) {
    return std::nullopt;
  }
  // The stored string may or may not end in a NUL; it ends at the first one.
  return from_wide(value.data());
}

bool RegistrySettings::save(const Text& application, const Text& section, const Text& key,
                            const Text& value) {
  RegistryKey created;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, wide(key_path(application, section)), 0, nullptr, 0,
                      KEY_WRITE, nullptr, created.out(), nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const DWORD size = static_cast<DWORD>((value.size() + 1) * sizeof(char16_t));
  return RegSetValueExW(created.get(), wide(key), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(value.c_str()), size) == ERROR_SUCCESS;
}

}  // namespace tunelet::win32
