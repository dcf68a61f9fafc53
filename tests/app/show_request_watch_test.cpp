// A second start's request, seen by the watch and handed to this thread.
#include "app/show_request_watch.h"

#include <gtest/gtest.h>

#include "ui/handles.h"

namespace kelbo::testing {
namespace {

// Waits up to a second for the next thread message, and says whether it was
// a request.
bool NextIsRequest() {
  MSG message;
  for (int k = 0; k < 100; ++k) {
    if (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
      return ShowRequestWatch::IsRequest(message);
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return false;
}

TEST(ShowRequestWatch, HandsEachRequestToTheWatchingThreadOnce) {
  UniqueKernelHandle asked(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
  ::SetEvent(asked.get());  // asked before the watch began: not lost
  ShowRequestWatch watch(asked.get());
  EXPECT_TRUE(NextIsRequest());
  ::SetEvent(asked.get());
  EXPECT_TRUE(NextIsRequest()) << "a second request";
  EXPECT_FALSE(NextIsRequest()) << "one message per request";
}

}  // namespace
}  // namespace kelbo::testing
