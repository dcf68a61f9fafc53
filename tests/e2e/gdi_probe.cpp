// Prints how many GDI objects the process that owns a window of the given
// class holds (Wine's process ids are not the system's): Wine does not
// answer GetGuiResources, so the probe reads the process's own GDI handle
// table, which its PEB points to, and counts the entries in use.
#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// One entry of the GDI handle table as Wine lays it out, the same for
// 32-bit and 64-bit programs.
#pragma pack(push, 1)
struct HandleEntry {
  unsigned long long object;
  unsigned long owner;
  unsigned short unique;
  unsigned char type;
  unsigned char flags;
  unsigned long long userPointer;
};
#pragma pack(pop)
static_assert(sizeof(HandleEntry) == 24);
constexpr std::size_t kEntries = 0x10000;
// PEB.GdiSharedHandleTable in the 64-bit PEB.
constexpr std::size_t kPeb64GdiTable = 0xF8;
#ifndef _WIN64
constexpr std::size_t kPeb32GdiTable = 0x94;
// Wine runs 32-bit programs under WoW64: the table is named only in the
// 64-bit PEB, which lies a page below the 32-bit one, and is mapped low
// enough for 32-bit code to read.
constexpr std::size_t kPeb64Below = 0x1000;
#endif

using QueryProcess = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  HWND window = ::FindWindowA(argv[1], nullptr);
  if (!window) return 1;
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return 1;
  const auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  PROCESS_BASIC_INFORMATION basic{};
  std::vector<HandleEntry> entries(kEntries);
  SIZE_T read = 0;
  bool ok = query && query(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) == 0;
  char* peb = static_cast<char*>(static_cast<void*>(basic.PebBaseAddress));
  unsigned long long table = 0;
#ifdef _WIN64
  ok = ok && ::ReadProcessMemory(process, peb + kPeb64GdiTable, &table, sizeof table, &read);
#else
  unsigned long table32 = 0;
  ok = ok && ::ReadProcessMemory(process, peb + kPeb32GdiTable, &table32, sizeof table32, &read);
  table = table32;
  if (ok && table == 0)
    ok = ::ReadProcessMemory(process, peb - kPeb64Below + kPeb64GdiTable, &table, sizeof table,
                             &read);
  ok = ok && table < 0x100000000ull;
#endif
  ok = ok && table != 0 &&
       ::ReadProcessMemory(process, reinterpret_cast<void*>(static_cast<std::uintptr_t>(table)),
                           entries.data(), entries.size() * sizeof(HandleEntry), &read);
  ::CloseHandle(process);
  if (!ok) return 1;
  int used = 0;
  for (const HandleEntry& entry : entries) used += entry.type != 0;
  std::printf("%d\n", used);
  return 0;
}
