// Reads the disc as a screen reader does, from another process: prints the
// accessible object's role, name and value, then each child window's name
// and box on the screen as the system's object for it tells them, one per
// line. "press NAME" also presses the child of that name: by its default
// action where the system gives one, as Windows does, else as UI
// Automation's Invoke does for a button (Wine's objects have no actions).
// "hold" keeps the object until a line comes on standard input, then asks
// for its name once more and prints the answer's HRESULT.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

VARIANT Self() {
  VARIANT child{};
  child.vt = VT_I4;
  child.lVal = CHILDID_SELF;
  return child;
}

std::string Name(IAccessible* object) {
  BSTR name = nullptr;
  if (object->get_accName(Self(), &name) != S_OK || !name) return "(none)";
  std::string narrow;
  for (const wchar_t* c = name; *c; ++c) narrow.push_back(*c < 0x80 ? static_cast<char>(*c) : '?');
  ::SysFreeString(name);
  return narrow;
}

IAccessible* ClientObject(HWND window) {
  IAccessible* object = nullptr;
  if (FAILED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object))))
    return nullptr;
  return object;
}

void PrintChild(HWND window, const char* pressName) {
  IAccessible* child = ClientObject(window);
  if (!child) return;
  const std::string name = Name(child);
  std::printf("child=%s\n", name.c_str());
  long left = 0, top = 0, width = 0, height = 0;
  if (child->accLocation(&left, &top, &width, &height, Self()) == S_OK)
    std::printf("at=%ld,%ld,%ld,%ld\n", left, top, width, height);
  if (pressName && name == pressName) {
    HRESULT pressed = child->accDoDefaultAction(Self());
    if (pressed == E_NOTIMPL) {
      ::PostMessageW(window, BM_CLICK, 0, 0);
      pressed = S_OK;
    }
    std::printf("pressed=%08lx\n", static_cast<unsigned long>(pressed));
  }
  child->Release();
}

}  // namespace

int main(int argc, char** argv) {
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HWND disc = ::FindWindowW(L"KelboTimeMain", nullptr);
  if (!disc) return 1;
  IAccessible* object = ClientObject(disc);
  if (!object) return 1;
  VARIANT role{};
  object->get_accRole(Self(), &role);
  std::printf("role=%ld\nname=%s\n", role.vt == VT_I4 ? role.lVal : -1L, Name(object).c_str());
  BSTR value = nullptr;
  object->get_accValue(Self(), &value);
  std::printf("value=%ls\n", value ? value : L"(none)");
  if (value) ::SysFreeString(value);
  const char* pressName = argc == 3 && std::strcmp(argv[1], "press") == 0 ? argv[2] : nullptr;
  for (HWND child = ::GetWindow(disc, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    if (::IsWindowVisible(child)) PrintChild(child, pressName);
  if (argc == 2 && std::strcmp(argv[1], "hold") == 0) {
    std::printf("holding\n");
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
    BSTR name = nullptr;
    const HRESULT answer = object->get_accName(Self(), &name);
    std::printf("after=%08lx\n", static_cast<unsigned long>(answer));
    if (name) ::SysFreeString(name);
  }
  std::fflush(stdout);
  object->Release();
  return 0;
}
