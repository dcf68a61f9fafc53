#include "ui/prompt_dialog.h"

#include <windows.h>

#include "ui/common_controls.h"

namespace kelbo {

namespace {

struct PromptState {
  const PromptTemplate* layout;
  const std::wstring* prompt;
  const std::wstring* title;
  std::optional<std::wstring> answer;
};

std::wstring DialogItemText(HWND dialog, int id) {
  HWND item = ::GetDlgItem(dialog, id);
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(item)) + 1, L'\0');
  const int copied = ::GetWindowTextW(item, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

INT_PTR CALLBACK PromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      auto* state = reinterpret_cast<PromptState*>(lParam);
      ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      ::SetWindowTextW(dialog, state->title->c_str());
      ::SetDlgItemTextW(dialog, state->layout->promptText, state->prompt->c_str());
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

}  // namespace

std::optional<std::wstring> ShowPromptDialog(const PromptTemplate& layout,
                                             const std::wstring& prompt,
                                             const std::wstring& title) {
  PromptState state{&layout, &prompt, &title, {}};
  const CommonControls look;
  ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(layout.dialog),
                    ::GetActiveWindow(), PromptProc, reinterpret_cast<LPARAM>(&state));
  return state.answer;
}

}  // namespace kelbo
