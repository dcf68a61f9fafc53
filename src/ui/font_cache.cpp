#include "ui/font_cache.h"

#include "ui/twips.h"

namespace kelbo {

HFONT FontCache::Get(const FontStyle& wanted, int dpi) {
  for (const auto& [known, font] : fonts_)
    if (known == wanted) return font.get();
  UniqueFont font(::CreateFontW(-PointsToPixels(wanted.points, dpi), 0, 0, 0,
                                wanted.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, wanted.face));
  HFONT handle = font.get();
  fonts_.emplace_back(wanted, std::move(font));
  return handle;
}

}  // namespace kelbo
