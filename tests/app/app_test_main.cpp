// Runs the in-process tests of the forms on real windows under Wine.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include "scripted_environment.h"

namespace kelbo::testing {

ScriptedEnvironment& Scripted() {
  static ScriptedEnvironment environment;
  return environment;
}

namespace {
class ResetEnvironment : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { Scripted() = ScriptedEnvironment(); }
};
}  // namespace

}  // namespace kelbo::testing

int main(int argc, char** argv) {
  ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES;
  ::InitCommonControlsEx(&controls);
  kelbo::InstallEnvironment(kelbo::testing::Scripted());
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new kelbo::testing::ResetEnvironment);
  const int result = RUN_ALL_TESTS();
  ::CoUninitialize();
  return result;
}
