#include "ui/common_controls.h"

#include <commctrl.h>

#include <memory>

#include "ui/system_library.h"

namespace kelbo {

namespace {

struct ContextReleaser {
  void operator()(HANDLE context) const noexcept { ::ReleaseActCtx(context); }
};
using UniqueActivationContext = std::unique_ptr<void, ContextReleaser>;

// Made on first use and kept: windows made in it refer to it for their life.
HANDLE VersionSixContext() {
  static const UniqueActivationContext context = [] {
    wchar_t exe[MAX_PATH]{};
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID | ACTCTX_FLAG_HMODULE_VALID;
    request.lpSource = exe;
    request.hModule = ::GetModuleHandleW(nullptr);
    request.lpResourceName = ISOLATIONAWARE_MANIFEST_RESOURCE_ID;
    HANDLE made = ::CreateActCtxW(&request);
    return UniqueActivationContext(made == INVALID_HANDLE_VALUE ? nullptr : made);
  }();
  return context.get();
}

// Loads the library inside the active context, so that the version the
// context names is the one loaded, and registers its window classes.
void LoadOnce() {
  static const bool loaded = [] {
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    const auto init =
        FindFunction<Init>(LoadSystemLibrary(L"comctl32.dll"), "InitCommonControlsEx");
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_BAR_CLASSES;
    return init && init(&controls);
  }();
  (void)loaded;
}

}  // namespace

CommonControls::CommonControls() {
  if (HANDLE context = VersionSixContext()) active_ = ::ActivateActCtx(context, &cookie_) != FALSE;
  LoadOnce();
}

CommonControls::~CommonControls() {
  if (active_) ::DeactivateActCtx(0, cookie_);
}

}  // namespace kelbo
