// The system's common controls in their current look (version 6): themed
// buttons and check boxes, tooltips, the slider. The exe's own manifest does
// not ask for them, so a program starts without loading them; a window that
// wants them is made inside a CommonControls scope. Their version comes from
// the exe's isolation-aware manifest (resource 2).
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace kelbo {

class CommonControls {
 public:
  // Activates version 6 for windows made on this thread until the scope
  // ends, and loads the library once (kept for the rest of the run, as
  // windows of its classes may exist). Without that manifest, or where the
  // system refuses it, windows get the classic controls.
  CommonControls();
  ~CommonControls();
  CommonControls(const CommonControls&) = delete;
  CommonControls& operator=(const CommonControls&) = delete;

 private:
  ULONG_PTR cookie_ = 0;
  bool active_ = false;
};

}  // namespace kelbo
