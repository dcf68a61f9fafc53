// What the toolkit needs from the system before the first form: the common
// controls (slider, tooltips). One per program, for its whole run. (The
// picture decoder starts COM for itself, only while it decodes.)
#pragma once

namespace kelbo {

class ToolkitSession {
 public:
  ToolkitSession();
  ToolkitSession(const ToolkitSession&) = delete;
  ToolkitSession& operator=(const ToolkitSession&) = delete;
};

}  // namespace kelbo
