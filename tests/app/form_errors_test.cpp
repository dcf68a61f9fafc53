// The toolkit fails loudly: a window that cannot be made throws with the
// system's reason, and an exception in a handler never unwinds through the
// system's code but reaches the program's error handler.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "app/error_report.h"
#include "app_helpers.h"
#include "main_window/frm_main.h"
#include "scripted_environment.h"
#include "ui/form.h"

namespace kelbo::testing {
namespace {

class ThrowingForm : public Form {
 public:
  void Load(const wchar_t* className) {
    CreateForm(
        {.className = className, .style = WS_POPUP, .clientSize = {.width = 100, .height = 100}});
  }

 protected:
  void OnTimeChange() override { throw std::runtime_error("handler failed"); }
};

TEST(FormErrors, AWindowThatCannotBeMadeThrowsWithTheReason) {
  Owned<ThrowingForm> form;
  try {
    form.Load(L"");  // no class can be registered without a name
    ADD_FAILURE() << "no exception";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("system error"), std::string::npos) << error.what();
  }
  EXPECT_FALSE(form.IsLoaded());
}

TEST(FormErrors, AnExceptionInAHandlerReachesTheErrorHandler) {
  std::string reported;
  const ErrorHandlerScope scope([&](const std::exception& error) { reported = error.what(); });
  Owned<ThrowingForm> form;
  form.Load(L"KelboTimeThrowingForm");
  ASSERT_TRUE(form.IsLoaded());
  EXPECT_EQ(::SendMessageW(form.hWnd(), WM_TIMECHANGE, 0, 0), 0);
  EXPECT_EQ(reported, "handler failed");
}

// A form held bare rather than as an Owned<> one reaches its base destructor
// with the window open: that is said loudly, and the window still goes.
TEST(FormErrors, AFormThatForgetsToCloseItsWindowIsReported) {
  std::string reported;
  const ErrorHandlerScope scope([&](const std::exception& error) { reported = error.what(); });
  HWND window = nullptr;
  {
    ThrowingForm bare;
    bare.Load(L"KelboTimeThrowingForm");
    window = bare.hWnd();
  }
  EXPECT_EQ(reported, "A form was destroyed with its window open");
  EXPECT_FALSE(::IsWindow(window));
}

TEST(FormErrors, AHandlerThatThrowsItselfIsNoEscapeEither) {
  const ErrorHandlerScope scope([](const std::exception&) { throw 42; });
  Owned<ThrowingForm> form;
  form.Load(L"KelboTimeThrowingForm");
  EXPECT_EQ(::SendMessageW(form.hWnd(), WM_TIMECHANGE, 0, 0), 0);
  EXPECT_TRUE(form.IsLoaded());
}

// Whatever a part of the clock throws, the program's own handler reports it
// once, and the disc and its tick go on.
TEST(FormErrors, AFailingPartIsReportedAndTheClockStays) {
  const ErrorHandlerScope scope(ReportUnexpectedError);
  const struct {
    const char* what;
    std::function<void()> fail;
    const char* message;
  } cases[] = {
      {"a standard exception", [] { throw std::runtime_error("no memory left"); },
       "no memory left Source : KelboTime"},
      {"anything else", [] { throw 7; }, "An error of unknown kind Source : KelboTime"},
  };
  for (const auto& c : cases) {
    Scripted().messages.clear();
    Scripted().onPrompt = c.fail;
    Owned<FrmMain> frm;
    frm.Load();
    frm.Show();
    frm.cmdTran().Click();  // through the real window procedure
    ASSERT_EQ(Scripted().messages.size(), 1u) << c.what;
    EXPECT_EQ(Scripted().messages[0], c.message);
    EXPECT_TRUE(frm.IsLoaded()) << c.what;
    EXPECT_TRUE(frm.Visible()) << c.what;
    EXPECT_TRUE(frm.tmr1.Enabled()) << c.what;
  }
}

}  // namespace
}  // namespace kelbo::testing
