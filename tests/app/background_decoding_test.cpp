// Pictures decoded by a worker thread and handed over at the size asked.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "resource_ids.h"
#include "ui/images.h"

namespace kelbo::testing {
namespace {

SIZE SizeOf(HBITMAP bitmap) {
  BITMAP info{};
  ::GetObjectW(bitmap, sizeof info, &info);
  return {info.bmWidth, info.bmHeight};
}

TEST(BackgroundDecoding, HandsOverEachPictureAtTheSizeTakenEvenIfNotAskedFor) {
  BackgroundDecoding pictures({{IDR_MINIMIZE_JPG, {25, 17}}, {IDR_CONFIGURE_JPG, {21, 16}}});
  const struct {
    const char* what;
    int resource;
    SIZE size;
    bool readable;
  } cases[] = {
      {"as asked", IDR_CONFIGURE_JPG, {21, 16}, true},
      {"at another size", IDR_MINIMIZE_JPG, {40, 30}, true},
      {"as asked, after one at another size", IDR_MINIMIZE_JPG, {25, 17}, true},
      {"a second time", IDR_CONFIGURE_JPG, {21, 16}, true},
      {"not a picture", IDI_CUBE, {16, 16}, false},
  };
  for (const auto& c : cases) {
    const UniqueBitmap bitmap = pictures.Take(c.resource, c.size);
    ASSERT_EQ(bitmap != nullptr, c.readable) << c.what;
    if (!bitmap) continue;
    const SIZE got = SizeOf(bitmap.get());
    EXPECT_EQ(got.cx, c.size.cx) << c.what;
    EXPECT_EQ(std::abs(got.cy), c.size.cy) << c.what;
  }
}

}  // namespace
}  // namespace kelbo::testing
