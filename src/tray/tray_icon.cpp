#include "tray/tray_icon.h"

#include <algorithm>
#include <iterator>

#include "ui/system_library.h"

namespace kelbo {

namespace {

// Sent to every top-level window when the shell's notification area is
// (re)created, for example after the shell restarted.
UINT TaskbarCreatedMessage() {
  static const UINT message = ::RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

TrayIcon::ShellNotify testShell = nullptr;

// The shell's library is loaded when the tray is first used, not at
// start-up, and kept from then on.
TrayIcon::ShellNotify Shell() {
  if (testShell) return testShell;
  static const auto notify =
      FindFunction<TrayIcon::ShellNotify>(LoadSystemLibrary(L"shell32.dll"), "Shell_NotifyIconA");
  return notify;
}

}  // namespace

void TrayIcon::UseShellForTesting(ShellNotify notify) {
  testShell = notify;
}

TrayIcon::~TrayIcon() {
  if (inTray_) Remove();
}

void TrayIcon::Fill(HWND owner, int iconResource, std::string_view tip) {
  static_assert(NOTIFYICONDATAA_V1_SIZE == kRecordSize);
  iconResource_ = iconResource;
  record_ = {};
  record_.cbSize = kRecordSize;
  record_.hWnd = owner;
  record_.uID = kIconId;
  record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record_.uCallbackMessage = kCallbackMessage;
  icon_.reset();  // loaded when the icon first goes into the tray
  iconDpi_ = 0;
  const auto text = TrayTip(tip);
  std::copy(text.begin(), text.end(), record_.szTip);
}

// The tray shows a small icon: hand it one of that size rather than a big
// picture for the shell to shrink. `dpi` 0: the system's.
void TrayIcon::LoadIcon(int dpi) {
  using MetricsForDpi = int(WINAPI*)(int, UINT);
  static const auto forDpi =
      FindFunction<MetricsForDpi>(::GetModuleHandleW(L"user32.dll"), "GetSystemMetricsForDpi");
  const auto metric = [&](int which) {
    if (dpi == 0) return ::GetSystemMetrics(which);
    return forDpi ? forDpi(which, static_cast<UINT>(dpi)) : ::MulDiv(16, dpi, 96);
  };
  icon_.reset(
      static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(iconResource_),
                                      IMAGE_ICON, metric(SM_CXSMICON), metric(SM_CYSMICON), 0)));
  record_.hIcon = icon_.get();
}

void TrayIcon::UseDpi(int dpi) {
  iconDpi_ = dpi;
  if (!icon_) return;
  UniqueIcon old = std::move(icon_);  // the shell's until it has the new one
  LoadIcon(dpi);
  if (inTray_) Notify(NIM_MODIFY);
}

bool TrayIcon::Notify(DWORD operation) {
  const ShellNotify notify = Shell();
  return notify && notify(operation, &record_) != FALSE;
}

bool TrayIcon::Add() {
  if (!icon_) LoadIcon(iconDpi_);
  if (!Notify(NIM_ADD)) return false;
  inTray_ = true;
  return true;
}

void TrayIcon::AddWithRetries(std::function<void(bool)> done) {
  if (retry_.Enabled()) return;
  if (Add()) {
    done(true);
    return;
  }
  retriesLeft_ = 5;
  retryDone_ = std::move(done);
  retry_.SetEnabled(true);
}

void TrayIcon::Retry() {
  const bool added = Add();
  if (!added && --retriesLeft_ > 0) return;
  // A busy shell may have taken the icon while saying it did not: take it
  // away, so that none is left that this program thinks absent.
  if (!added) Notify(NIM_DELETE);
  retry_.SetEnabled(false);
  // Last, as it may act on the owner window.
  auto done = std::move(retryDone_);
  done(added);
}

void TrayIcon::CancelRetries() {
  // As after the last retry: a busy shell may have taken the icon while
  // saying it did not.
  if (retry_.Enabled() && !inTray_) Notify(NIM_DELETE);
  retry_.SetEnabled(false);
  retryDone_ = nullptr;
}

void TrayIcon::Remove() {
  CancelRetries();
  Notify(NIM_DELETE);  // fails only when the icon is gone already
  inTray_ = false;
}

TrayIcon::MenuChoice TrayIcon::OpenMenu() const {
  // The items count from 1; 0 is a menu dismissed without a choice.
  const int chosen = menu_.Track(record_.hWnd);
  return chosen >= 1 && chosen <= static_cast<int>(std::size(kMenuItems))
             ? kMenuItems[chosen - 1].choice
             : MenuChoice::None;
}

void TrayIcon::OnNotification(std::uint32_t notification,
                              const std::function<void(TrayAction)>& act) {
  if (busy_) return;  // dropped, not queued: the menu is open
  // Free again however `act` ends: an action that failed must not leave the
  // icon deaf to every later click.
  struct Busy {
    bool& flag;
    explicit Busy(bool& f) : flag(f) { flag = true; }
    ~Busy() { flag = false; }
  } busy(busy_);
  // `act` may unload the owner window; this object outlives it.
  act(DecodeTrayNotification(notification));
}

bool TrayIcon::OnRegisteredMessage(UINT message) {
  if (message == TaskbarCreatedMessage()) {
    // The shell started anew, without the icon: put it back as the first
    // time, and if the new shell will not take it, the owner shows itself.
    // The shell sends this on a change of display scale too, icon kept:
    // then the icon is only brought up to date.
    if (inTray_ && !Notify(NIM_MODIFY)) {
      inTray_ = false;
      AddWithRetries([this](bool added) {
        if (!added && lost_) lost_();
      });
    }
    return true;
  }
  return false;
}

void TrayIcon::OnOwnerDestroyed() {
  if (inTray_) Remove();
}

}  // namespace kelbo
