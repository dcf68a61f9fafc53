// What assistive technology (screen readers, magnifiers' reading modes, UI
// Automation through the system's MSAA proxy) reads of a form whose controls
// are painted: one accessible object for the client area, with a name, a
// role and a value, and a child for each picture button that has a tip,
// named by its tip, located by its box, pressed by its default action.
//
// Made when a client first asks (WM_GETOBJECT), not before: COM and the
// accessibility library are loaded then. The object outlives no window: once
// the form is gone, every call answers RPC_E_DISCONNECTED.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace kelbo {

class Control;

struct AccessibleDescription {
  std::wstring name;
  long role = 0;                        // a ROLE_SYSTEM_ value
  std::function<std::wstring()> value;  // read when asked; may be empty
};

// A button of the form as a client sees it.
struct AccessibleButton {
  const Control* control;
  std::wstring name;
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
  bool Described() const { return !description_.name.empty(); }
  // WM_GETOBJECT's answer for OBJID_CLIENT; 0 otherwise, or on any failure
  // (the system then answers with its own object).
  using Tips = std::vector<std::pair<const Control*, std::wstring>>;
  LRESULT Answer(HWND window, WPARAM wParam, LPARAM lParam, const Tips& tips);
  // The buttons a client sees: the clickable controls among the tipped ones.
  static std::vector<AccessibleButton> Buttons(const Tips& tips);
  // The window is going: clients keep the object, but it describes nothing.
  void Disconnect();

  // Posted to the form when a client presses a button: the click runs from
  // the form's own loop, not inside the client's call. wParam: the index.
  static constexpr UINT kPressMessage = WM_APP + 0x3A0;

 private:
  AccessibleDescription description_;
  AccessibleForm* object_ = nullptr;  // holds one reference
};

}  // namespace kelbo
