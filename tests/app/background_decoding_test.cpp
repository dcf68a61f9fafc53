// Pictures decoded by a worker thread and handed over at the size asked.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

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

// A stand-in for the system's decoder, so that a test knows what the worker
// did: it counts, and it can be slow or fail.
struct WorkerDecode {
  DWORD delayMs = 0;
  bool fails = false;
  int* calls;
  UniqueBitmap operator()(const BackgroundDecoding::Request& request) const {
    ++*calls;
    ::Sleep(delayMs);
    if (fails) throw std::runtime_error("decoder failed");
    return UniqueBitmap(::CreateBitmap(request.size.cx, request.size.cy, 1, 32, nullptr));
  }
};

TEST(BackgroundDecoding, TakesTheWorkersPictureOrCarriesOnWithoutAHang) {
  const struct {
    const char* what;
    DWORD delayMs;
    bool fails;
    bool fromWorker;  // the worker's own picture is handed over
    bool picture;     // a picture at all
  } cases[] = {
      {"a worker that decodes", 0, false, true, true},
      {"a worker that throws: decoded here instead", 0, true, false, true},
      {"a worker past its patience: left bare", 2000, false, false, false},
  };
  for (const auto& c : cases) {
    int calls = 0;
    const DWORD started = ::GetTickCount();
    BackgroundDecoding pictures({{IDR_MINIMIZE_JPG, {25, 17}}},
                                WorkerDecode{c.delayMs, c.fails, &calls}, 300);
    const UniqueBitmap bitmap = pictures.Take(IDR_MINIMIZE_JPG, {25, 17});
    EXPECT_LT(::GetTickCount() - started, 1500u) << c.what;
    EXPECT_EQ(calls, 1) << c.what;
    ASSERT_EQ(bitmap != nullptr, c.picture) << c.what;
    if (!bitmap) continue;
    BITMAP info{};
    ::GetObjectW(bitmap.get(), sizeof info, &info);
    // The stand-in makes device-dependent bitmaps; the system's decoder, DIBs.
    EXPECT_EQ(info.bmBits == nullptr, c.fromWorker) << c.what;
  }
}

}  // namespace
}  // namespace kelbo::testing
