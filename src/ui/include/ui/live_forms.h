// The toolkit's own record of the forms whose windows exist: for dialog
// keys, for ending the program with its last window, and the handler that
// errors in the forms' message handling go to. Used by Form alone.
#pragma once

namespace kelbo {

class Form;

void FormMade(Form* form);
// Posts the quit message when it was the last and the program asked for it.
void FormGone(Form* form);

}  // namespace kelbo
