// Runs the in-process tests of the forms on real windows under Wine.
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
  kelbo::InstallEnvironment(kelbo::testing::Scripted());
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new kelbo::testing::ResetEnvironment);
  return RUN_ALL_TESTS();
}
