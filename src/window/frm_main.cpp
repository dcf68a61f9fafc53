#include "window/frm_main.h"

#include "clock/binary_digits.h"
#include "clock/main_layout.h"
#include "idle/drift_rules.h"
#include "resource_ids.h"
#include "tray/gtray.h"
#include "ui/screen.h"
#include "window/gapi.h"
#include "window/region_box.h"

namespace kelbo {

FrmMain::FrmMain()
    : tmr1(1000, true, [this] { tmr1_Timer(); }), tmr2(10, false, [this] { tmr2_Timer(); }) {}

// The window is destroyed here, while the whole FrmMain still exists, so that
// its own WM_DESTROY handling (taking the tray icon away) runs as on any close.
FrmMain::~FrmMain() {
  Unload();
}

void FrmMain::Load() {
  AddTimer(tmr2);
  AddTimer(tmr1);
  // Dialog keys: Tab reaches the "Set Tran" button below the visible disc,
  // and Space presses it.
  CreateForm({L"KelboTimeMain", main_layout::kCaption, WS_POPUP | WS_CLIPCHILDREN,
              WS_EX_CONTROLPARENT, main_layout::kBackColour, main_layout::kDesignedClient, true});
  BuildLayout();
  Form_Load();
}

Lamp& FrmMain::AddLamp(const std::string& name, TwipsRect box, COLORREF colour) {
  auto lamp = std::make_unique<Lamp>(name, box, colour);
  Lamp& ref = *lamp;
  AddControl(ref);
  controls_.push_back(std::move(lamp));
  return ref;
}

Picture& FrmMain::AddPicture(const std::string& name, TwipsRect box) {
  auto picture = std::make_unique<Picture>(name, box);
  Picture& ref = *picture;
  AddControl(ref);
  controls_.push_back(std::move(picture));
  return ref;
}

void FrmMain::BuildLayout() {
  using namespace main_layout;
  cmdTran_.Create(*this, {kCmdTran, L"Set Tran", {L"MS Sans Serif", 8.25, false}, true}, false,
                  [this] { cmdTran_Click(); });

  imgMin_ = &AddPicture("imgMin", kImgMin);
  imgMin_->LoadJpegResource(IDR_MINIMIZE_JPG);
  imgMin_->OnClick([this] { imgMin_Click(); });
  AddTooltip(*imgMin_, L"Minimize To System Tray");

  HFONT captionFont = Font(kCaptionFont);
  for (const CaptionLayout& layout : kCaptions) {
    auto label = std::make_unique<Label>(layout.name, layout.box, layout.text);
    label->SetFont(captionFont);
    AddControl(*label);
    controls_.push_back(std::move(label));
  }

  imgConfig_ = &AddPicture("imgConfig", kImgConfig);
  imgConfig_->LoadJpegResource(IDR_CONFIGURE_JPG);
  imgConfig_->OnClick([this] { imgConfig_Click(); });
  AddTooltip(*imgConfig_, L"Configure Options");

  imgExit_ = &AddPicture("imgExit", kImgExit);
  imgExit_->LoadIconResource(IDI_EXIT);
  imgExit_->OnClick([this] { imgExit_Click(); });
  AddTooltip(*imgExit_, L"Exit Program");

  for (int k = 1; k <= 6; ++k)
    cirSec_[k] = &AddLamp("cirSec" + std::to_string(k), LampBox(kSecondTop, k), kUnlitColour);
  for (int k = 6; k >= 1; --k)
    cirmin_[k] = &AddLamp("cirmin" + std::to_string(k), LampBox(kMinuteTop, k), kLitColour);

  Img1_ = &AddPicture("Img1", kImg1);
  Img1_->LoadIconResource(IDI_CUBE);

  for (int k = 6; k >= 2; --k)
    cirhr_[k] = &AddLamp("cirhr" + std::to_string(k), LampBox(kHourTop, k), kLitColour);

  BuildPopupMenu();
}

const Lamp* FrmMain::FindLamp(std::string_view name) const {
  return dynamic_cast<const Lamp*>(FindControl(name));
}

void FrmMain::Form_Load() {
  using namespace main_layout;
  gAPI::TransparencyLevel = 225;
  SetHeight(kWindowSide);
  SetWidth(kWindowSide);
  SetBackColor(kBackColour);
  gTray::FillTrayIconData(hWnd());
  MakeWindowRound();
  gAPI::SetWindowTransparency(hWnd(), gAPI::TransparencyLevel);
  SetLeft(Screen::Width() - Width());
  SetTop(Screen::Height() - Height() - kBottomGap);
  HomePosition[0] = Top();
  HomePosition[1] = Left();
  gAPI::SetWindowTopmost(hWnd(), true);
  MoveDirection = kStartDirection;
  gAPI::AlwaysOnTop = true;
  gAPI::IsIdle = false;
  tmr1_Timer();
}

void FrmMain::MakeWindowRound() {
  const PixelBox box =
      EllipseBox(Width(), Height(), Screen::TwipsPerPixelX(), Screen::TwipsPerPixelY());
  UniqueRegion region(::CreateEllipticRgn(box.left, box.top, box.right, box.bottom));
  if (::SetWindowRgn(hWnd(), region.get(), TRUE)) {
    region.release();  // the window owns its region now
  }
}

}  // namespace kelbo
