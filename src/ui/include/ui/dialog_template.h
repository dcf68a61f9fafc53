// A dialog template in memory, for the dialog manager to make a dialog and
// its controls from (CreateDialogIndirectParam): the window's class, caption
// and styles, and each control's class, text, style and id in tab order.
// Where the controls stand is the form's to set, from its layout's twips.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace kelbo {

struct DialogItem {
  const wchar_t* windowClass;
  std::wstring text;
  DWORD style;
  WORD id;
};

// The template's words; its first is DWORD-aligned as the system wants,
// since a vector's storage is.
std::vector<WORD> DialogTemplate(const wchar_t* windowClass, const std::wstring& caption,
                                 DWORD style, DWORD exStyle, const std::vector<DialogItem>& items);

}  // namespace kelbo
