// The system's DLLs, loaded from System32 alone: the exe is unpacked
// anywhere, often into a Downloads folder, where a DLL of the same name
// lying beside it would otherwise be loaded instead of the system's.
#pragma once

#include <windows.h>

namespace kelbo {

// Makes System32 the only folder the loader searches for this process's
// DLLs, the ones system DLLs load for it included, where Windows can (from
// Windows 8, and Windows 7 with KB2533623). Called first thing.
void LoadDllsFromSystem32Only();

// A system DLL by its bare name, from System32 (or as an activation context
// redirects it there, as it does the common controls v6); nullptr when it
// cannot be loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A function of a loaded module, as its own type; nullptr when it is not
// there (or the module is not).
template <typename Function>
Function FindFunction(HMODULE module, const char* name) {
  if (!module) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace kelbo
