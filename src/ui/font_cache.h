// The fonts a form's controls use, each made once at the screen's DPI and
// kept for the form's life.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "ui/control.h"
#include "ui/handles.h"

namespace kelbo {

class FontCache {
 public:
  HFONT Get(const FontStyle& wanted);

 private:
  std::vector<std::pair<FontStyle, UniqueFont>> fonts_;
};

}  // namespace kelbo
