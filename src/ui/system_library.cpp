#include "ui/system_library.h"

#include <string>

namespace kelbo {

void LoadDllsFromSystem32Only() {
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  const auto set =
      FindFunction<SetDirectories>(::GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
  if (set) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
  if (HMODULE module = ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return module;
  // Windows 7 without KB2533623 does not know the flag: the full path then.
  if (::GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
  wchar_t folder[MAX_PATH];
  const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  const std::wstring path = std::wstring(folder, length) + L'\\' + name;
  return ::LoadLibraryW(path.c_str());
}

}  // namespace kelbo
