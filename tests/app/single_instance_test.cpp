// One clock per session, as a second start meets the first: two instances
// in one process stand for the two starts.
#include "app/single_instance.h"

#include <gtest/gtest.h>

#include <thread>

namespace kelbo::testing {
namespace {

// The first start's loop: takes requests at once, gets ready after
// `startingMs`, and answers the first request.
void RunFirstClock(const SingleInstance& first, DWORD startingMs) {
  first.TakeRequestsOnThisThread();
  ::Sleep(startingMs);
  first.SayReady();
  MSG message;
  while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (SingleInstance::IsThreadRequest(message)) {
      first.AnswerShown();
      return;
    }
  }
}

TEST(SingleInstance, ASecondStartWaitsForAClockThatIsStillStarting) {
  const SingleInstance first;
  ASSERT_FALSE(first.AnotherRuns());
  // Slower to its loop than the two seconds a second start once waited.
  std::thread clock(RunFirstClock, std::cref(first), 2500);
  const SingleInstance second;
  ASSERT_TRUE(second.AnotherRuns());
  const DWORD asked = ::GetTickCount();
  EXPECT_TRUE(second.AskToShow(L"NoDiscHere"));
  EXPECT_GE(::GetTickCount() - asked, 2000u);
  clock.join();
}

TEST(SingleInstance, AClockThatNeverGetsReadyCountsAsHung) {
  const SingleInstance first;
  first.TakeRequestsOnThisThread();
  const SingleInstance second;
  const DWORD asked = ::GetTickCount();
  EXPECT_FALSE(second.AskToShow(L"NoDiscHere", 300));
  EXPECT_LT(::GetTickCount() - asked, 2000u);
}

// Foreground rights go to the running clock's process alone, so its block
// names that process beside the loop's thread, as a second start reads it.
TEST(SingleInstance, TheRunningClockNamesItsProcessForForegroundRights) {
  const SingleInstance first;
  first.TakeRequestsOnThisThread();
  const UniqueKernelHandle block(
      ::OpenFileMappingW(FILE_MAP_READ, FALSE, L"Local\\KelboTime.LoopThread"));
  ASSERT_TRUE(block);
  const auto* view =
      static_cast<const DWORD*>(::MapViewOfFile(block.get(), FILE_MAP_READ, 0, 0, 0));
  ASSERT_NE(view, nullptr);
  const DWORD thread = view[0], process = view[1];
  ::UnmapViewOfFile(view);
  EXPECT_EQ(thread, ::GetCurrentThreadId());
  EXPECT_EQ(process, ::GetCurrentProcessId());
}

}  // namespace
}  // namespace kelbo::testing
