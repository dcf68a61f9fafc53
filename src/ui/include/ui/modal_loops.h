// The loops that hold the calling thread while a menu or a dialog box is
// open, and their end, for a program that is asked to end from inside one.
#pragma once

namespace kelbo {

// Closes this thread's open menu, and each of its dialog boxes and message
// boxes as Esc would: nothing in them is chosen or stored. The loops end
// once they see their messages, which are posted, not sent.
void CancelModalLoops();

}  // namespace kelbo
