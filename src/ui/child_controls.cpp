#include "ui/child_controls.h"

#include <commctrl.h>
#include <oleacc.h>

#include <string>

#include "ui/common_controls.h"
#include "ui/decimal_text.h"
#include "ui/form.h"

namespace kelbo {

void PushButton::Create(Form& form, const ChildLayout& layout, Role role,
                        std::function<void()> onClick) {
  hwnd_ =
      form.CreateChild(L"BUTTON", layout, role == Role::Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  form.OnCommand(hwnd_, [onClick = std::move(onClick)](WORD code) {
    if (code == BN_CLICKED) onClick();
  });
}

void PushButton::Click() const {
  ::SendMessageW(hwnd_, BM_CLICK, 0, 0);
}

void CheckBox::Create(Form& form, const ChildLayout& layout) {
  hwnd_ = form.CreateChild(L"BUTTON", layout, BS_AUTOCHECKBOX);
}

int CheckBox::Value() const {
  return static_cast<int>(::SendMessageW(hwnd_, BM_GETCHECK, 0, 0));
}
void CheckBox::SetValue(int value) {
  ::SendMessageW(hwnd_, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void Slider::Create(Form& form, const ChildLayout& layout, Range range,
                    std::function<void()> onChange) {
  const CommonControls slider;  // a common control in any look
  hwnd_ = form.CreateChild(TRACKBAR_CLASSW, layout, TBS_HORZ | TBS_BOTTOM | TBS_AUTOTICKS);
  ::SendMessageW(hwnd_, TBM_SETRANGEMIN, FALSE, range.minimum);
  ::SendMessageW(hwnd_, TBM_SETRANGEMAX, FALSE, range.maximum);
  ::SendMessageW(hwnd_, TBM_SETLINESIZE, 0, range.smallStep);
  ::SendMessageW(hwnd_, TBM_SETPAGESIZE, 0, range.largeStep);
  ::SendMessageW(hwnd_, TBM_SETTICFREQ, static_cast<WPARAM>(range.tickFrequency), 0);
  form.OnScroll(hwnd_, std::move(onChange));
  // The system describes a slider by its window, where one exists at all;
  // this one answers for itself, with its name and its position.
  accessibility_.Describe(
      {layout.text, ROLE_SYSTEM_SLIDER, [this] { return DecimalText(Position()); }});
  AddSubclass(hwnd_, &Slider::AnswerClients, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK Slider::AnswerClients(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data) {
  auto* slider = reinterpret_cast<Slider*>(data);
  if (message == WM_GETOBJECT)
    if (const LRESULT answer = slider->accessibility_.Answer(hwnd, wParam, lParam, {}))
      return answer;
  if (message == WM_NCDESTROY) {
    RemoveSubclass(hwnd, &Slider::AnswerClients, id);
    slider->accessibility_.Disconnect();
  }
  return NextSubclass(hwnd, message, wParam, lParam);
}

int Slider::Position() const {
  return static_cast<int>(::SendMessageW(hwnd_, TBM_GETPOS, 0, 0));
}
void Slider::SetPosition(int position) {
  ::SendMessageW(hwnd_, TBM_SETPOS, TRUE, position);
}

}  // namespace kelbo
