// Prints how many GDI objects the process that owns a window of the given
// class holds (Wine's process ids are not the system's), and a note where
// regions are left out of the count.
#include <windows.h>

#include <cstdio>

#include "../gdi_objects.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  HWND window = ::FindWindowA(argv[1], nullptr);
  if (!window) return 1;
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return 1;
  const int used = kelbo::testing::GdiObjectsOf(process);
  ::CloseHandle(process);
  if (used < 0) return 1;
  // Wine 10 leaks a region on every show of a window with a region.
  std::printf(
      "%d%s\n", used,
      kelbo::testing::WineLeaksShownRegions() ? " (regions not counted: Wine leaks them)" : "");
  return 0;
}
