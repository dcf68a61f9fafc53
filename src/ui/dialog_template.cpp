#include "ui/dialog_template.h"

namespace kelbo {

namespace {

void PutDword(std::vector<WORD>& words, DWORD value) {
  words.push_back(LOWORD(value));
  words.push_back(HIWORD(value));
}

void PutText(std::vector<WORD>& words, const wchar_t* text) {
  for (; *text; ++text) words.push_back(static_cast<WORD>(*text));
  words.push_back(0);
}

// The box, in dialog units: none; the form places each control itself.
void PutEmptyBox(std::vector<WORD>& words) {
  words.insert(words.end(), 4, 0);
}

}  // namespace

std::vector<WORD> DialogTemplate(const wchar_t* windowClass, const std::wstring& caption,
                                 DWORD style, DWORD exStyle, const std::vector<DialogItem>& items) {
  std::vector<WORD> words;
  PutDword(words, style);
  PutDword(words, exStyle);
  words.push_back(static_cast<WORD>(items.size()));
  PutEmptyBox(words);
  words.push_back(0);  // no menu
  PutText(words, windowClass);
  PutText(words, caption.c_str());
  for (const DialogItem& item : items) {
    if (words.size() % 2) words.push_back(0);  // each item starts on a DWORD
    PutDword(words, item.style);
    PutDword(words, 0);  // extended style
    PutEmptyBox(words);
    words.push_back(item.id);
    PutText(words, item.windowClass);
    PutText(words, item.text.c_str());
    words.push_back(0);  // no creation data
  }
  return words;
}

}  // namespace kelbo
