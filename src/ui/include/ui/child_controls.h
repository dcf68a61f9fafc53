// Windowed controls: push button, check box and the common-controls slider.
#pragma once

#include <functional>

#include "ui/accessible_form.h"
#include "ui/control.h"

namespace kelbo {

class Form;

class PushButton : public ChildControl {
 public:
  // A default button is the one Enter presses, and looks it.
  enum class Role { Plain, Default };
  void Create(Form& form, const ChildLayout& layout, Role role, std::function<void()> onClick);
  void Click() const;  // as a press from the keyboard or the mouse would
};

class CheckBox : public ChildControl {
 public:
  void Create(Form& form, const ChildLayout& layout);
  int Value() const;  // 0 unchecked, 1 checked, 2 greyed
  void SetValue(int value);
};

class Slider : public ChildControl {
 public:
  struct Range {
    int minimum, maximum, smallStep, largeStep, tickFrequency;
  };
  // The layout's text is not shown: it is the slider's name for screen
  // readers, which read its position as its value.
  void Create(Form& form, const ChildLayout& layout, Range range, std::function<void()> onChange);
  int Position() const;
  void SetPosition(int position);

 private:
  static LRESULT CALLBACK AnswerClients(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR data);

  Accessibility accessibility_;
};

}  // namespace kelbo
