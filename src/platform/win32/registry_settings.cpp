#include "platform/win32/registry_settings.h"

#include <windows.h>

#include <vector>

#include "platform/win32/text_conversion.h"

namespace tunelet::win32 {
namespace {

std::wstring key_path(const Text& application, const Text& section) {
  return L"Software\\VB and VBA Program Settings\\" + to_wide(application) + L"\\" +
         to_wide(section);
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

}  // namespace

Text RegistrySettings::load(const Text& application, const Text& section, const Text& key) {
  RegistryKey opened;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key_path(application, section).c_str(), 0, KEY_READ,
                    opened.out()) != ERROR_SUCCESS) {
    return Text();
  }
  const std::wstring name = to_wide(key);
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ) {
    return Text();
  }
  std::vector<wchar_t> value(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>((value.size() - 1) * sizeof(wchar_t));
  if (RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type,
                       reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS ||
      type != REG_SZ) {
    return Text();
  }
  // The stored string may or may not end in a NUL; it ends at the first one.
  return from_wide(std::wstring(value.data()));
}

bool RegistrySettings::save(const Text& application, const Text& section, const Text& key,
                            const Text& value) {
  RegistryKey created;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, key_path(application, section).c_str(), 0, nullptr, 0,
                      KEY_WRITE, nullptr, created.out(), nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const std::wstring data = to_wide(value);
  const DWORD size = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(created.get(), to_wide(key).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(data.c_str()), size) == ERROR_SUCCESS;
}

}  // namespace tunelet::win32
