// The toolkit's own record of the forms whose windows exist: for dialog
// keys, and for ending the program with its last window. Used by Form alone.
#pragma once

#include <vector>

namespace kelbo {

class Form;

void FormMade(Form* form);
// Posts the quit message when it was the last and the program asked for it.
void FormGone(Form* form);
void QuitWhenLastFormCloses(bool quit);
const std::vector<Form*>& LiveForms();

}  // namespace kelbo
