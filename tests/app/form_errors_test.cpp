// The toolkit fails loudly: a window that cannot be made throws with the
// system's reason, and an exception in a handler never unwinds through the
// system's code but reaches the program's error handler.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "ui/form.h"

namespace kelbo::testing {
namespace {

class ThrowingForm : public Form {
 public:
  void Load(const wchar_t* className) {
    CreateForm({className, L"", WS_POPUP, 0, 0, {100, 100}, false, 0});
  }

 protected:
  bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT&) override {
    if (message == WM_APP + 7) throw std::runtime_error("handler failed");
    return false;
  }
};

TEST(FormErrors, AWindowThatCannotBeMadeThrowsWithTheReason) {
  ThrowingForm form;
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
  Form::SetErrorHandler([&](const std::exception& error) { reported = error.what(); });
  ThrowingForm form;
  form.Load(L"KelboTimeThrowingForm");
  ASSERT_TRUE(form.IsLoaded());
  EXPECT_EQ(::SendMessageW(form.hWnd(), WM_APP + 7, 0, 0), 0);
  EXPECT_EQ(reported, "handler failed");
  Form::SetErrorHandler(nullptr);
}

}  // namespace
}  // namespace kelbo::testing
