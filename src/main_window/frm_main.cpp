#include "main_window/frm_main.h"

#include <oleacc.h>

#include "app/app_title.h"
#include "app/environment.h"
#include "app/front_window.h"
#include "app/settings.h"
#include "app/window_effects.h"
#include "clock/second_timing.h"
#include "main_window/main_layout.h"
#include "opacity/opacity_prompt.h"
#include "resource_ids.h"
#include "ui/decimal_text.h"
#include "ui/images.h"
#include "ui/modal_loops.h"
#include "ui/screen.h"

namespace kelbo {

FrmMain::FrmMain()
    : tmr1(1000, true, [this] { tmr1_Timer(); }),
      picturesTimer_(30, false, [this] { DecodePictures(); }),
      face_([this](const RECT& changed) { Invalidate(changed); }),
      idle_(*this, [this] { tmr2_Timer(); }),
      imgConfig_(
          main_layout::PictureButtonLayout(main_layout::kImgConfig, L"Configure Options", true),
          {.jpegResource = IDR_CONFIGURE_JPG}, [this] { imgConfig_Click(); }),
      imgMin_(main_layout::PictureButtonLayout(main_layout::kImgMin, L"Minimize To System Tray"),
              {.jpegResource = IDR_MINIMIZE_JPG}, [this] { imgMin_Click(); }),
      imgExit_(main_layout::PictureButtonLayout(main_layout::kImgExit, L"Exit Program"),
               {.iconResource = IDI_EXIT}, [this] { imgExit_Click(); }),
      cmdTran_({.box = main_layout::kCmdTran,
                .text = L"Set Tran",
                .font = {.face = L"MS Sans Serif", .points = 8.25, .bold = false},
                .tabStop = true,
                .groupStart = true},
               PushButton::Role::Plain, [this] { cmdTran_Click(); }) {}

void FrmMain::Load() {
  AddTimer(idle_.DriftTimer());
  AddTimer(tmr1);
  AddTimer(picturesTimer_);
  AddTimer(tray_.RetryTimer());
  BuildLayout();
  // Dialog keys: Tab and the arrows move between the picture buttons, and
  // Tab goes on to the "Set Tran" button below the visible disc; Enter and
  // Space press them. The buttons are the window system's classic ones, and
  // the clock starts without loading the common controls. A tool window: a
  // widget has no taskbar button and no task-switcher entry, so it needs no
  // icon of its own either. The window is made where the load will put it,
  // at the size it will give it, so the load has nothing to move.
  using main_layout::kWindowSide;
  const TwipsPoint home = HomeOnThisScreen(kWindowSide, kWindowSide);
  CreateForm(
      {.className = kClassName,
       .caption = main_layout::kCaption,
       .style = WS_POPUP | WS_CLIPCHILDREN,
       .exStyle = WS_EX_CONTROLPARENT | WS_EX_TOOLWINDOW,
       .backColor = main_layout::kBackColour,
       .clientSize = main_layout::kDesignedClient,
       .dialogKeys = true,
       .bounds = TwipsRect{
           .left = home.left, .top = home.top, .width = kWindowSide, .height = kWindowSide}});
  // The focus cue shows once the keyboard is used, as in Windows' dialogs.
  ::SendMessageW(hWnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  const HeldBounds oneMove(*this);
  Form_Load();
}

// The three buttons' pictures, made once the disc is on the screen: the
// timer starts with the first paint, and the painted frame goes to the
// screen while the loop waits for it, so the disc waits neither for the
// decoder nor for the icon. The decoder is loaded for this and let go again.
void FrmMain::DecodePictures() {
  picturesTimer_.SetEnabled(false);
  const ImageDecoder decoder;
  imgConfig_.DecodeJpeg(decoder);
  imgMin_.DecodeJpeg(decoder);
}

template <typename T>
T& FrmMain::Own(std::unique_ptr<T> control) {
  T& ref = *control;
  AddControl(ref);
  controls_.push_back(std::move(control));
  return ref;
}

void FrmMain::AddFaceRow(ClockFace::Row row, int top, int firstPosition, int lastPosition,
                         COLORREF colour) {
  const int step = firstPosition <= lastPosition ? 1 : -1;
  for (int k = firstPosition; k != lastPosition + step; k += step)
    AddControl(face_.MakeLamp(row, k, main_layout::LampBox(top, k), colour));
}

void FrmMain::BuildLayout() {
  using namespace main_layout;
  for (PictureButton* button : {&imgConfig_, &imgMin_, &imgExit_}) AddChild(*button, true);
  AddChild(cmdTran_);
  for (const CaptionLayout& layout : kCaptions)
    Own(std::make_unique<Label>(layout.name, layout.box, layout.text)).SetFont(kCaptionFont);
  AddFaceRow(ClockFace::Row::Second, kSecondTop, 1, 6, kUnlitColour);
  AddFaceRow(ClockFace::Row::Minute, kMinuteTop, 6, 1, kLitColour);
  Own(std::make_unique<Picture>("Img1", kImg1, IDI_CUBE));
  AddFaceRow(ClockFace::Row::Hour, kHourTop, 6, 2, kLitColour);
}

void FrmMain::Form_Load() {
  using namespace main_layout;
  settings::TransparencyLevel = settings::kStartTransparency;
  SetHeight(kWindowSide);
  SetWidth(kWindowSide);
  SetBackColor(kBackColour);
  tray_.Fill(hWnd(), IDI_CUBE, kAppTitle);
  // The small icon of the disc's monitor, whose scale need not be the one
  // Windows had at sign-in.
  tray_.UseDpi(GetScale().Dpi());
  // For screen readers: the clock's name, and the time the face shows.
  MakeAccessible({kAppTitleW, ROLE_SYSTEM_CLOCK, [this] { return ShownTimeText(); }});
  tray_.OnLost([this] { Show(); });
  MakeWindowRound(*this);
  SetWindowTransparency(hWnd(), settings::TransparencyLevel);
  const TwipsPoint corner = HomeOnThisScreen(Width(), Height());
  SetLeft(corner.left);
  SetTop(corner.top);
  idle_.SetHome({.left = Left(), .top = Top()});
  SetWindowTopmost(hWnd(), true);
  idle_.SetMoveDirection(kStartDirection);
  settings::AlwaysOnTop = settings::kStartAlwaysOnTop;
  idle_.ClearIdle();
  tmr1_Timer();
  ApplyLook();
}

// A high-contrast theme draws the disc in its own colours: the window's as
// the background, lit lamps filled with the highlight colour, unlit ones
// left empty, so that they differ by shape too; outlines and captions are
// in the window-text colour already. The stored opacity is kept for when
// the theme goes. Without a theme before or after, a change of colours
// leaves the disc alone (an opacity the options preview among it).
void FrmMain::ApplyLook() {
  const bool highContrast = Env().HighContrast();
  if (!highContrast && !highContrast_) return;
  highContrast_ = highContrast;
  const COLORREF window = ::GetSysColor(COLOR_WINDOW);
  SetBackColor(highContrast ? window : main_layout::kBackColour);
  face_.SetColours(highContrast ? LampColours{::GetSysColor(COLOR_HIGHLIGHT), window}
                                : kLampColours);
  SetWindowTransparency(hWnd(), highContrast ? 255 : settings::TransparencyLevel);
  ::RedrawWindow(hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

std::wstring FrmMain::ShownTimeText() const {
  const LocalTime shown = face_.Shown();
  return DecimalText(shown.hour, 2) + L":" + DecimalText(shown.minute, 2) + L":" +
         DecimalText(shown.second, 2);
}

void FrmMain::tmr1_Timer() {
  const LocalTime shown = face_.ShowTime();
  // Re-armed on every tick, so the face turns just after each wall-clock
  // second, whenever this tick came.
  tmr1.SetInterval(DelayToNextSecond(shown.millisecond));
  FollowFullScreen();
  CheckIdle();
}

void FrmMain::FollowFullScreen() {
  // Not in the start-up's own tick: the disc is not on the screen yet, and
  // the shell's library, which the check loads, can wait for the next one.
  if (!Visible() && !steppedAside_ && !tray_.InTray()) return;
  const bool fullScreen = FullScreenInFrontOf(hWnd());
  if (fullScreen == fullScreenInFront_) return;
  fullScreenInFront_ = fullScreen;
  // Only a disc on the screen steps aside; one in the tray stays there.
  if (fullScreen && Visible()) StepAside(true);
  if (!fullScreen && steppedAside_) StepAside(false);
}

// Hidden without the tray, and back without taking the keyboard from the
// window the user is in; home, opacity and topmost band are kept.
void FrmMain::StepAside(bool aside) {
  steppedAside_ = aside;
  idle_.Hold(aside);
  SetVisible(!aside);
}

void FrmMain::CheckIdle() {
  idle_.Check();
}

void FrmMain::tmr2_Timer() {
  idle_.Step();
}

void FrmMain::imgMin_Click() {
  // Hide only when the icon is really there: a hidden disc without an icon
  // could never be fetched back.
  tray_.AddWithRetries([this](bool added) {
    if (added)
      SetVisible(false);
    else
      Env().ShowMessage("The notification area does not answer, so the clock stays on the screen.");
  });
}

void FrmMain::imgConfig_Click() {
  ShowConfig();
}

// The icon does not exist while the disc is shown, so the shell is not called.
void FrmMain::imgExit_Click() {
  Unload();
}

void FrmMain::mnuShow_Click() {
  SetVisible(true);
  tray_.Remove();
}

void FrmMain::mnuConfig_Click() {
  ShowConfig();
}

void FrmMain::mnuExit_Click() {
  tray_.Remove();  // first, so that no dead icon stays behind
  Unload();
}

void FrmMain::cmdTran_Click() {
  AskForOpacity(hWnd());
}

void FrmMain::OnTrayAction(TrayAction action) {
  switch (action) {
    case TrayAction::ShowWindow:
      Show();
      tray_.Remove();
      break;
    case TrayAction::OpenMenu:
      switch (tray_.OpenMenu()) {
        case TrayIcon::MenuChoice::Show:
          mnuShow_Click();
          break;
        case TrayIcon::MenuChoice::Configure:
          mnuConfig_Click();
          break;
        case TrayIcon::MenuChoice::Exit:
          mnuExit_Click();  // the window is gone after this
          break;
        case TrayIcon::MenuChoice::None:
          break;
      }
      break;
    case TrayAction::None:
      break;
  }
}

void FrmMain::ShowOnRequest() {
  tray_.CancelRetries();  // a put-away still being retried must not hide it again
  const bool wasInTray = tray_.InTray();
  if (steppedAside_) StepAside(false);  // asked for: it stays, full screen or not
  Show();
  if (wasInTray) tray_.Remove();
  FocusFirstButton();
  // A disc at level 0 cannot be seen, nor clicked on Windows: the user would
  // have no clock. A stored 0 comes back at the start level, and nothing is
  // stored; an unsaved preview at 0 gives way to the stored level, while the
  // options dialog stays open with its slider where the user put it.
  if (settings::TransparencyLevel == 0) {
    settings::TransparencyLevel = settings::kStartTransparency;
    SetWindowTransparency(hWnd(), settings::TransparencyLevel);
  } else if (IsSeeThroughEntirely(hWnd())) {
    SetWindowTransparency(hWnd(), settings::TransparencyLevel);
  }
}

// A second start comes most often from the keyboard (Start, the name,
// Enter): the keyboard is put on the first button, its cue shown or not
// as Windows decides from the last input. A prompt the disc has open keeps
// the keyboard.
void FrmMain::FocusFirstButton() {
  if (::GetLastActivePopup(hWnd()) != hWnd()) return;
  ::SetFocus(imgConfig_.hWnd());
  ::SendMessageW(hWnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
}

// The bottom-right corner of the work area as it is now, 500 twips up, for a
// window of the given size, in whole pixels as the window system will hold it.
TwipsPoint FrmMain::HomeOnThisScreen(float width, float height) const {
  const PixelRect work =
      ClipToScreen(Env().WorkArea(), Screen::WidthPixels(), Screen::HeightPixels());
  const Scale& scale = GetScale();
  const TwipsPoint corner = HomeCorner(work, scale.TwipsPerPixelX(), scale.TwipsPerPixelY(), width,
                                       height, main_layout::kBottomGap);
  return {.left = static_cast<float>(scale.ToPixelsX(corner.left) * scale.TwipsPerPixelX()),
          .top = static_cast<float>(scale.ToPixelsY(corner.top) * scale.TwipsPerPixelY())};
}

// The monitor's scale changed (the toolkit has made fonts, pictures and
// lamps again): the disc takes its size and shape at the new DPI, not the
// system's suggestion, which rounds otherwise; the tray icon takes its
// small-icon size, and home is worked out again; a drifting disc drifts on
// from where it is.
void FrmMain::OnDpiChanged(int dpi, const RECT&) {
  SetHeight(main_layout::kWindowSide);
  SetWidth(main_layout::kWindowSide);
  MakeWindowRound(*this);
  tray_.UseDpi(dpi);
  OnScreenChange();
}

// The screen changed size or resolution: home is worked out again by the
// start-up's rule, so that the clock is never left off the screen.
void FrmMain::OnScreenChange() {
  idle_.MoveHome(HomeOnThisScreen(Width(), Height()));
}

void FrmMain::OnTrayNotification(std::uint32_t notification) {
  tray_.OnNotification(notification, [this](TrayAction action) { OnTrayAction(action); });
}

// The first paint starts the timer that decodes the pictures.
void FrmMain::OnPaintBegins() {
  if (!picturesTimer_.Enabled() && !imgMin_.Decoded()) picturesTimer_.SetEnabled(true);
}

void FrmMain::EndOnRequest() {
  if (IsLoaded()) {
    if (tray_.InTray())
      mnuExit_Click();
    else
      imgExit_Click();
  }
  // Open options keep the program, as after "Exit": they come forward, for
  // the user whom the installer asks to close them.
  if (FrmConfig* options = frmConfig()) options->Show();
}

bool FrmMain::OnRegisteredMessage(UINT message, WPARAM, LPARAM) {
  if (message == showRequest_ && showRequest_ != 0) {
    onShowRequest_();  // may put a new disc in this one's place
    return true;
  }
  if (message == endRequest_ && endRequest_ != 0) {
    CancelModalLoops();
    ::PostThreadMessageW(::GetCurrentThreadId(), endRequest_, 0, 0);
    return true;
  }
  return tray_.OnRegisteredMessage(message);
}

// Modeless and without an owner: the disc, its timers and the tray go on
// beside it. An open dialog is only brought forward, as the user left it.
void FrmMain::ShowConfig() {
  if (!frmConfig()) {
    auto dialog = std::make_unique<Owned<FrmConfig>>([this] { return hWnd(); });
    dialog->Load();  // one that cannot be made whole is closed again, and throws
    frmConfig_ = std::move(dialog);
  }
  frmConfig_->Show();
}

FrmConfig* FrmMain::frmConfig() const {
  return frmConfig_ && frmConfig_->IsLoaded() ? frmConfig_.get() : nullptr;
}

}  // namespace kelbo
