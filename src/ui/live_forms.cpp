#include "ui/live_forms.h"

#include <windows.h>

#include <algorithm>

namespace kelbo {

namespace {

std::vector<Form*> forms;
bool quitWhenLastFormCloses = false;

}  // namespace

void FormMade(Form* form) {
  forms.push_back(form);
}

void FormGone(Form* form) {
  forms.erase(std::remove(forms.begin(), forms.end(), form), forms.end());
  if (forms.empty() && quitWhenLastFormCloses) ::PostQuitMessage(0);
}

void QuitWhenLastFormCloses(bool quit) {
  quitWhenLastFormCloses = quit;
}

const std::vector<Form*>& LiveForms() {
  return forms;
}

}  // namespace kelbo
