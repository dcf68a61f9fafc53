// What the toolkit needs from the system before the first form: COM for the
// picture decoder, and the common controls (slider, tooltips). One per
// program, for its whole run.
#pragma once

namespace kelbo {

class ToolkitSession {
 public:
  ToolkitSession();
  ~ToolkitSession();
  ToolkitSession(const ToolkitSession&) = delete;
  ToolkitSession& operator=(const ToolkitSession&) = delete;

 private:
  bool comStarted_;
};

}  // namespace kelbo
