// The main window: the round, translucent binary clock. It composes the
// clock face, the idle watcher, the tray icon, the options dialog and the
// opacity prompt; its handlers forward to them.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "clock/clock_face.h"
#include "config/frm_config.h"
#include "idle/idle_watch.h"
#include "tray/tray_icon.h"
#include "ui/child_controls.h"
#include "ui/form.h"

namespace kelbo {

class FrmMain : public Form {
 public:
  FrmMain();

  static constexpr const wchar_t* kClassName = L"KelboTimeMain";

  // Creates the window from its layout and runs Form_Load; the caller shows it.
  void Load();

  void Form_Load();
  void tmr1_Timer();
  void CheckIdle();
  void tmr2_Timer();
  void imgMin_Click();
  void imgConfig_Click();
  void imgExit_Click();
  void mnuShow_Click();
  void mnuConfig_Click();
  void mnuExit_Click();
  void cmdTran_Click();
  // A second start of the program asks for the clock: the disc comes out of
  // the tray, or forward, and can be seen.
  void ShowOnRequest();
  // `message`, posted by a second start, runs `handler`.
  void OnShowRequest(UINT message, std::function<void()> handler) {
    showRequest_ = message;
    onShowRequest_ = std::move(handler);
  }
  // An installer asks the clock to end, as the tray menu's "Exit" does: an
  // open options dialog stays, in front, and keeps the program until it is
  // closed.
  void EndOnRequest();
  // `message`, posted to the disc, may come inside a menu's or a dialog's
  // loop: those are cancelled, and the request goes on to the thread's own
  // loop, where the disc can go.
  void OnEndRequest(UINT message) { endRequest_ = message; }

  Timer tmr1;  // the clock tick, every second
  // The picture buttons' JPEGs, decoded once the disc is on the screen (the
  // first paint starts a short timer for it) or now.
  void DecodePictures();

  ClockFace& Face() { return face_; }
  const ClockFace& Face() const { return face_; }
  IdleWatch& Idle() { return idle_; }
  const TrayIcon& Tray() const { return tray_; }
  TrayIcon& Tray() { return tray_; }
  const PushButton& cmdTran() const { return cmdTran_; }
  const PictureButton& imgConfig() const { return imgConfig_; }
  const PictureButton& imgMin() const { return imgMin_; }
  const PictureButton& imgExit() const { return imgExit_; }
  // The options dialog while it is open, else null.
  FrmConfig* frmConfig() const;

 protected:
  void OnDpiChanged(int dpi, const RECT& suggested) override;
  void OnDisplayChange() override { OnScreenChange(); }
  void OnWorkAreaChange() override { OnScreenChange(); }
  // The clock was set, or the machine woke up: the time is shown now, and
  // the seconds counted from there.
  void OnTimeChange() override { tmr1_Timer(); }
  void OnColoursChange() override { ApplyLook(); }
  void OnResume() override { tmr1_Timer(); }
  void OnTrayNotification(std::uint32_t notification) override;
  void OnPaintBegins() override;
  void OnDestroy() override { tray_.OnOwnerDestroyed(); }
  bool OnRegisteredMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void BuildLayout();
  template <typename T>
  T& Own(std::unique_ptr<T> control);
  void AddFaceRow(ClockFace::Row row, int top, int firstPosition, int lastPosition,
                  COLORREF colour);
  void ShowConfig();
  void OnTrayAction(TrayAction action);
  TwipsPoint HomeOnThisScreen(float width, float height) const;
  std::wstring ShownTimeText() const;
  void OnScreenChange();

  void FocusFirstButton();
  // The face's own colours and opacity, or a high-contrast theme's colours,
  // opaque, while one is on.
  void ApplyLook();
  // A full-screen program in front of the disc (a film, a game, a slide
  // show): the disc steps aside, hidden, with no drift, and comes back as
  // it was when the program goes. Only a change acts: a disc the user
  // fetched over a full-screen program stays.
  void FollowFullScreen();
  void StepAside(bool aside);

  Timer picturesTimer_;  // once, just after the first paint
  ClockFace face_;
  IdleWatch idle_;
  TrayIcon tray_;
  // In tab order: the three picture buttons, then the opacity prompt's
  // button below the visible disc.
  PictureButton imgConfig_;
  PictureButton imgMin_;
  PictureButton imgExit_;
  PushButton cmdTran_;
  std::vector<std::unique_ptr<Control>> controls_;  // labels and the cube
  // Kept after it closes until the next opening, which loads a fresh one.
  std::unique_ptr<Owned<FrmConfig>> frmConfig_;
  UINT showRequest_ = 0;
  std::function<void()> onShowRequest_;
  UINT endRequest_ = 0;
  bool fullScreenInFront_ = false;  // as last seen
  bool steppedAside_ = false;
  bool highContrast_ = false;  // as the disc last drew it

 protected:
  ~FrmMain() override = default;  // held as an Owned<FrmMain>
};

}  // namespace kelbo
