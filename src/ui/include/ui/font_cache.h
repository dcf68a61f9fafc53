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
  HFONT Get(const FontStyle& wanted, int dpi);
  // The DPI changed: every font is made again when next asked for.
  void Clear() { fonts_.clear(); }

 private:
  std::vector<std::pair<FontStyle, UniqueFont>> fonts_;
};

}  // namespace kelbo
