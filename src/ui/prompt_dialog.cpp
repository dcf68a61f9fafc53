#include "ui/prompt_dialog.h"

#include <windows.h>

#include <exception>

#include "ui/common_controls.h"

namespace kelbo {

namespace {

struct PromptState {
  const PromptTemplate* layout;
  const std::wstring* prompt;
  const std::wstring* title;
  std::optional<std::wstring> answer;
  // An exception in the dialog's procedure, thrown again once the system's
  // dialog loop is left: nothing may unwind through it.
  std::exception_ptr failure;
};

std::wstring DialogItemText(HWND dialog, int id) {
  HWND item = ::GetDlgItem(dialog, id);
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(item)) + 1, L'\0');
  const int copied = ::GetWindowTextW(item, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

INT_PTR HandlePromptMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      auto* state = reinterpret_cast<PromptState*>(lParam);
      ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      ::SetWindowTextW(dialog, state->title->c_str());
      ::SetDlgItemTextW(dialog, state->layout->promptText, state->prompt->c_str());
      // The field takes all that is typed or pasted, so that the number read
      // is the number given, not its first 30,000 characters.
      ::SendDlgItemMessageW(dialog, state->layout->edit, EM_SETLIMITTEXT, 0, 0);
      ::SetForegroundWindow(dialog);
      ::SetFocus(::GetDlgItem(dialog, state->layout->edit));
      return FALSE;  // the focus is set: typing goes straight into the field
    }
    case WM_COMMAND: {
      auto* state = reinterpret_cast<PromptState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
      const int id = LOWORD(wParam);
      if (id == IDOK) {
        state->answer = DialogItemText(dialog, state->layout->edit);
        ::EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (id == IDCANCEL) {
        state->answer.reset();
        ::EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    }
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK PromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    return HandlePromptMessage(dialog, message, wParam, lParam);
  } catch (...) {
    if (auto* state = reinterpret_cast<PromptState*>(::GetWindowLongPtrW(dialog, DWLP_USER))) {
      state->failure = std::current_exception();
      state->answer.reset();
    }
    ::EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
}

}  // namespace

std::optional<std::wstring> ShowPromptDialog(const PromptTemplate& layout,
                                             const std::wstring& prompt,
                                             const std::wstring& title) {
  PromptState state{&layout, &prompt, &title, {}, {}};
  const CommonControls look;
  ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(layout.dialog),
                    ::GetActiveWindow(), PromptProc, reinterpret_cast<LPARAM>(&state));
  if (state.failure) std::rethrow_exception(state.failure);
  return state.answer;
}

}  // namespace kelbo
