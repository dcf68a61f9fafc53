// Prints the file version an exe's version information carries, as a
// Windows user's Properties dialog reads it: "major.minor.patch.build".
#include <windows.h>

#include <cstdio>
#include <vector>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(argv[1], &ignored);
  if (size == 0) return 1;
  std::vector<char> data(size);
  if (!::GetFileVersionInfoW(argv[1], 0, size, data.data())) return 1;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length)) return 1;
  std::printf("%u.%u.%u.%u\n", unsigned{HIWORD(info->dwFileVersionMS)},
              unsigned{LOWORD(info->dwFileVersionMS)}, unsigned{HIWORD(info->dwFileVersionLS)},
              unsigned{LOWORD(info->dwFileVersionLS)});
  return 0;
}
