// The program's run-time errors and how they are reported. Portable.
#pragma once

#include <stdexcept>
#include <string>

namespace kelbo {

inline constexpr const char* kErrorSource = "KelboTime";

// what() is the description.
class RunError : public std::runtime_error {
 public:
  RunError(int number, const std::string& description, std::string source = kErrorSource)
      : std::runtime_error(description), number_(number), source_(std::move(source)) {}
  int number() const { return number_; }
  const std::string& source() const { return source_; }

 private:
  int number_;
  std::string source_;
};

RunError OverflowError();
RunError TypeMismatchError();

// "description Source : source", the text of the error message box.
std::string ErrorReportText(const RunError& error);

}  // namespace kelbo
