// What assistive technology (screen readers, magnifiers' reading modes, UI
// Automation through the system's MSAA proxy) reads of a form whose face is
// painted: the client area as one accessible object with a name, a role and
// a value. Its child windows (the buttons) are the system's own objects:
// this one hands every question about them to the system's object for the
// client area.
//
// Made when a client first asks (WM_GETOBJECT), not before: COM and the
// accessibility library are loaded then. The object outlives no window: once
// the form is gone, every call answers RPC_E_DISCONNECTED.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>

namespace kelbo {

struct AccessibleDescription {
  std::wstring name;
  long role = 0;                        // a ROLE_SYSTEM_ value
  std::function<std::wstring()> value;  // read when asked; may be empty
};

class AccessibleForm;

// Answers WM_GETOBJECT for a form; owned by the form.
class Accessibility {
 public:
  Accessibility() = default;
  ~Accessibility();  // disconnects the object from its form
  Accessibility(const Accessibility&) = delete;
  Accessibility& operator=(const Accessibility&) = delete;

  void Describe(AccessibleDescription description) { description_ = std::move(description); }
  // WM_GETOBJECT's answer for OBJID_CLIENT; 0 otherwise, or on any failure
  // (the system then answers with its own object).
  LRESULT Answer(HWND window, WPARAM wParam, LPARAM lParam);
  // The window is going: clients keep the object, but it describes nothing.
  void Disconnect();

 private:
  AccessibleDescription description_;
  AccessibleForm* object_ = nullptr;  // holds one reference
};

}  // namespace kelbo
