// Reads the disc as a screen reader does, from another process: prints the
// accessible object's role, name and value and each child's name and box on
// the screen, one per line. "press NAME" also presses the child of that name; "hold" keeps the
// object until a line comes on standard input, then asks for its name once
// more and prints the answer's HRESULT.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

VARIANT Child(long id) {
  VARIANT child{};
  child.vt = VT_I4;
  child.lVal = id;
  return child;
}

std::string Name(IAccessible* object, long id) {
  BSTR name = nullptr;
  if (object->get_accName(Child(id), &name) != S_OK || !name) return "(none)";
  std::string narrow;
  for (const wchar_t* c = name; *c; ++c) narrow.push_back(*c < 0x80 ? static_cast<char>(*c) : '?');
  ::SysFreeString(name);
  return narrow;
}

}  // namespace

int main(int argc, char** argv) {
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HWND disc = ::FindWindowW(L"KelboTimeMain", nullptr);
  if (!disc) return 1;
  IAccessible* object = nullptr;
  if (FAILED(::AccessibleObjectFromWindow(disc, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object))))
    return 1;
  VARIANT role{};
  object->get_accRole(Child(CHILDID_SELF), &role);
  std::printf("role=%ld\nname=%s\n", role.vt == VT_I4 ? role.lVal : -1L,
              Name(object, CHILDID_SELF).c_str());
  BSTR value = nullptr;
  object->get_accValue(Child(CHILDID_SELF), &value);
  std::printf("value=%ls\n", value ? value : L"(none)");
  if (value) ::SysFreeString(value);
  long children = 0;
  object->get_accChildCount(&children);
  for (long id = 1; id <= children; ++id) {
    const std::string name = Name(object, id);
    std::printf("child=%s\n", name.c_str());
    long left = 0, top = 0, width = 0, height = 0;
    if (object->accLocation(&left, &top, &width, &height, Child(id)) == S_OK)
      std::printf("at=%ld,%ld,%ld,%ld\n", left, top, width, height);
    if (argc == 3 && std::strcmp(argv[1], "press") == 0 && name == argv[2])
      std::printf("pressed=%08lx\n", object->accDoDefaultAction(Child(id)));
  }
  if (argc == 2 && std::strcmp(argv[1], "hold") == 0) {
    std::printf("holding\n");
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
    BSTR name = nullptr;
    const HRESULT answer = object->get_accName(Child(CHILDID_SELF), &name);
    std::printf("after=%08lx\n", static_cast<unsigned long>(answer));
    if (name) ::SysFreeString(name);
  }
  std::fflush(stdout);
  object->Release();
  return 0;
}
