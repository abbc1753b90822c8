// The shell registration of the project and project settings file types: the registry writes.
#include <windows.h>

#include "shell/filetypes.h"

namespace shell {

namespace {

bool WriteDefaultValue(const FileTypeValue& entry) {
  std::string path = entry.key;
  if (!entry.subKey.empty()) path += "\\" + entry.subKey;
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  LONG result = RegSetValueExA(key, nullptr, 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(entry.value.c_str()),
                               static_cast<DWORD>(entry.value.size() + 1));
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

}  // namespace

int RegisterFileTypes() {
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  if (length == 0 || length >= sizeof path) return 0;
  int written = 0;
  for (const FileTypeValue& entry : FileTypeValues(std::string(path, length))) {
    if (WriteDefaultValue(entry)) ++written;
  }
  return written;
}

}  // namespace shell
