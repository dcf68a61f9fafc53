#include "config/frm_config.h"

#include <string>

#include "app/settings.h"
#include "app/window_effects.h"
#include "config/config_layout.h"
#include "resource_ids.h"
#include "ui/decimal_text.h"
#include "ui/screen.h"

namespace kelbo {

FrmConfig::FrmConfig(std::function<HWND()> previewWindow)
    : previewWindow_(std::move(previewWindow)),
      lbl1_("lbl1", config_layout::kLbl1, config_layout::kLbl1Text, Label::Align::Center),
      lblVal_("lblVal", config_layout::kLblVal, L"", Label::Align::Right) {}

void FrmConfig::Load() {
  using namespace config_layout;
  CreateForm({.className = kClassName,
              .caption = kCaption,
              .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
              .exStyle = WS_EX_CONTROLPARENT,
              .backColor = ::GetSysColor(COLOR_BTNFACE),
              .clientSize = kClient,
              .dialogKeys = true,
              .iconResource = IDI_CUBE,
              .commonControls = true});
  lbl1_.SetFont(kTitleFont);
  lblVal_.SetFont(kBoldFont);
  AddControl(lbl1_);
  AddControl(lblVal_);
  // Created in tab order.
  cmdSave_.Create(*this,
                  {.box = kCmdSave, .text = kCmdSaveText, .font = kBoldFont, .tabStop = true},
                  PushButton::Role::Default, [this] { cmdSave_Click(); });
  // The label is painted: the slider carries its text, as its name for
  // screen readers.
  Sldr1_.Create(*this, {.box = kSldr1, .text = kLbl1Text, .font = kBoldFont, .tabStop = true},
                kOpacityRange, [this] { Sldr1_Change(); });
  chkAOT_.Create(*this, {.box = kChkAOT, .text = kChkAOTText, .font = kBoldFont, .tabStop = true});
  SetInitialFocus(cmdSave_.hWnd());
  const HeldBounds oneMove(*this);
  Form_Load();
}

void FrmConfig::Form_Load() {
  SetTop(GetScale().ScreenHeight() / 2 - Height() / 2);
  SetLeft(GetScale().ScreenWidth() / 2 - Width() / 2);
  Sldr1_.SetPosition(settings::TransparencyLevel);
  lblVal_.SetText(DecimalText(settings::TransparencyLevel));
  if (settings::AlwaysOnTop) chkAOT_.SetValue(BST_CHECKED);
}

void FrmConfig::Sldr1_Change() {
  const int position = Sldr1_.Position();
  lblVal_.SetText(DecimalText(position));
  // A window that is gone is never touched.
  if (HWND target = previewWindow_())
    SetWindowTransparency(target, static_cast<std::int16_t>(position));
}

void FrmConfig::cmdSave_Click() {
  settings::TransparencyLevel = static_cast<std::int16_t>(Sldr1_.Position());
  settings::AlwaysOnTop = chkAOT_.Value() != BST_UNCHECKED;
  if (HWND target = previewWindow_()) SetWindowTopmost(target, settings::AlwaysOnTop);
  Unload();
}

// Closed without Save (title bar or Esc): nothing is stored, so the disc
// goes back from the previewed opacity to the stored one.
void FrmConfig::OnClose() {
  if (HWND target = previewWindow_()) SetWindowTransparency(target, settings::TransparencyLevel);
  Unload();
}

// Esc closes the dialog as its title bar does: nothing is stored.
void FrmConfig::OnCancel() {
  ::PostMessageW(hWnd(), WM_CLOSE, 0, 0);
}

}  // namespace kelbo
