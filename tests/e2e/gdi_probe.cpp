// Prints how many GDI objects the process that owns a window of the given
// class holds (Wine's process ids are not the system's). Where regions are
// left out of the count, it prints the bytes of the window's region after
// it: what each region that Wine leaks holds.
#include <windows.h>

#include <cstdio>

#include "../gdi_objects.h"

namespace {

// The size of the window's region's data, 0 when it has none.
unsigned long RegionBytes(HWND window) {
  HRGN region = ::CreateRectRgn(0, 0, 0, 0);
  const unsigned long bytes =
      ::GetWindowRgn(window, region) == ERROR ? 0 : ::GetRegionData(region, 0, nullptr);
  ::DeleteObject(region);
  return bytes;
}

}  // namespace

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
  // Wine 10 leaks a region on every show of a window with a region: the
  // count leaves regions out, and the memory each of the window's regions
  // holds is told beside it.
  if (kelbo::testing::WineLeaksShownRegions())
    std::printf("%d %lu\n", used, RegionBytes(window));
  else
    std::printf("%d\n", used);
  return 0;
}
