// The program's one icon in the notification area. It is there only while
// the window is put away: Add() when hiding, Remove() when showing again.
// The icon owns its record, its picture and its menu, remembers whether it
// is meant to be in the tray, puts itself back when the shell's taskbar is
// made anew, and goes with its window.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <string_view>

#include "tray/tray_decode.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/popup_menu.h"
#include "ui/timer.h"

namespace kelbo {

class TrayIcon {
 public:
  // The icon's mouse events arrive at the owner window as this message, with
  // the mouse message's number in lParam.
  static constexpr UINT kCallbackMessage = Form::kTrayMessage;
  static constexpr UINT kIconId = 1;
  // The record's first version with 8-bit text: 88 bytes in the 32-bit
  // layout, 104 in the 64-bit one.
  static constexpr DWORD kRecordSize = sizeof(void*) == 4 ? 88 : 104;
  // The shell's Shell_NotifyIconA, or a test's stand-in for it.
  using ShellNotify = BOOL(WINAPI*)(DWORD operation, NOTIFYICONDATAA* record);
  // Every icon made from now on talks to `notify` instead of the shell;
  // null puts the shell back.
  static void UseShellForTesting(ShellNotify notify);

  TrayIcon() = default;
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;
  ~TrayIcon();

  // Fills the record once for the owner window, with the icon resource and
  // the tip; adds nothing to the tray. The picture, at the small-icon size,
  // is loaded when the icon first goes into the tray: a clock that is never
  // put away does not load it at all.
  void Fill(HWND owner, int iconResource, std::string_view tip);
  const NOTIFYICONDATAA& Record() const { return record_; }
  // The monitor's scale changed: the icon at the small-icon size of `dpi`,
  // handed to the shell at once if the icon is in the tray.
  void UseDpi(int dpi);

  // Puts the icon into the tray; true when the shell took it.
  bool Add();
  // Puts the icon into the tray, trying again every 400 ms for about two
  // seconds while the shell refuses it (busy, or still starting). `done`
  // learns whether it got there, at once or from the retry timer. A call
  // while retrying is ignored.
  void AddWithRetries(std::function<void(bool added)> done);
  // Drops the retries under way and their `done`: the owner has shown
  // itself another way, and a late success must not hide it again. An icon
  // the shell may have taken while saying no is deleted, as after the last
  // retry.
  void CancelRetries();
  // The retry timer; the owner window runs it.
  Timer& RetryTimer() { return retry_; }
  // Takes the icon away again, retries under way included.
  void Remove();
  // Called when a new taskbar refused the icon, retries included: the owner
  // shows itself, as nothing else could fetch it back.
  void OnLost(std::function<void()> lost) { lost_ = std::move(lost); }
  // Whether the icon is meant to be in the tray: the truth it is re-added
  // from, not the result of the last call to the shell.
  bool InTray() const { return inTray_; }
  // True while a notification is being acted on; nested ones are dropped.
  bool BusyForTesting() const { return busy_; }

  // The icon's popup menu, opened at the pointer; what the user chose.
  enum class MenuChoice { None, Show, Configure, Exit };
  // The menu's items in order: what each shows and what choosing it means.
  struct MenuItem {
    const wchar_t* caption;
    MenuChoice choice;
  };
  static constexpr MenuItem kMenuItems[] = {{L"Show Kelbo Time", MenuChoice::Show},
                                            {L"Configure", MenuChoice::Configure},
                                            {L"Exit", MenuChoice::Exit}};
  MenuChoice OpenMenu() const;
  HMENU MenuForTesting() const { return menu_.Handle(); }

  // The owner window's messages that concern the icon. The icon's
  // callbacks are decoded and handed to `act`, one at a time.
  void OnNotification(std::uint32_t notification, const std::function<void(TrayAction)>& act);
  // True when `message` was the shell's "TaskbarCreated", taken here.
  bool OnRegisteredMessage(UINT message);
  // The owner window goes, however: the icon goes with it.
  void OnOwnerDestroyed();

 private:
  bool Notify(DWORD operation);
  void LoadIcon(int dpi);
  void Retry();

  NOTIFYICONDATAA record_{};
  PopupMenu menu_{kMenuItems};
  UniqueIcon icon_;
  int iconResource_ = 0;
  int iconDpi_ = 0;  // 0: the system's
  bool inTray_ = false;
  bool busy_ = false;
  Timer retry_{400, false, [this] { Retry(); }};
  int retriesLeft_ = 0;
  std::function<void(bool)> retryDone_;
  std::function<void()> lost_;
};

}  // namespace kelbo
