#include "ui/prompt_dialog.h"

#include <windows.h>

#include "resource_ids.h"

namespace kelbo {

namespace {

struct PromptState {
  const std::string* prompt;
  const std::string* title;
  std::string answer;
};

INT_PTR CALLBACK PromptProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      auto* state = reinterpret_cast<PromptState*>(lParam);
      ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      ::SetWindowTextA(dialog, state->title->c_str());
      ::SetDlgItemTextA(dialog, IDC_PROMPT_TEXT, state->prompt->c_str());
      ::SetForegroundWindow(dialog);
      ::SetFocus(::GetDlgItem(dialog, IDC_PROMPT_EDIT));
      return FALSE;  // the focus is set: typing goes straight into the field
    }
    case WM_COMMAND: {
      auto* state = reinterpret_cast<PromptState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
      const int id = LOWORD(wParam);
      if (id == IDOK) {
        const int length = ::GetWindowTextLengthA(::GetDlgItem(dialog, IDC_PROMPT_EDIT));
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        ::GetDlgItemTextA(dialog, IDC_PROMPT_EDIT, text.data(), length + 1);
        text.resize(static_cast<std::size_t>(length));
        state->answer = std::move(text);
        ::EndDialog(dialog, IDOK);
        return TRUE;
      }
      if (id == IDCANCEL) {
        state->answer.clear();
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

std::string ShowPromptDialog(const std::string& prompt, const std::string& title) {
  PromptState state{&prompt, &title, {}};
  ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_PROMPT), ::GetActiveWindow(),
                    PromptProc, reinterpret_cast<LPARAM>(&state));
  return state.answer;
}

}  // namespace kelbo
