#include "config/frm_config.h"

#include <initializer_list>
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
      cmdSave_({.box = config_layout::kCmdSave,
                .text = config_layout::kCmdSaveText,
                .font = config_layout::kBoldFont,
                .tabStop = true},
               PushButton::Role::Default, [this] { cmdSave_Click(); }),
      lbl1_({.box = config_layout::kLbl1,
             .text = config_layout::kLbl1Text,
             .font = config_layout::kTitleFont,
             .tabStop = false},
            StaticText::Align::Center),
      // It shows no text: its text is its name for screen readers, as is the
      // label before it.
      Sldr1_({.box = config_layout::kSldr1,
              .text = config_layout::kLbl1Text,
              .font = config_layout::kBoldFont,
              .tabStop = true},
             config_layout::kOpacityRange, [this] { Sldr1_Change(); }),
      lblVal_({.box = config_layout::kLblVal,
               .text = L"",
               .font = config_layout::kBoldFont,
               .tabStop = false},
              StaticText::Align::Right),
      chkAOT_({.box = config_layout::kChkAOT,
               .text = config_layout::kChkAOTText,
               .font = config_layout::kBoldFont,
               .tabStop = true}) {}

// The dialog manager makes it: the tab order is the order added (the
// button, the slider after its label, the check box), the button has the
// focus at opening, Enter presses it and Esc closes the dialog.
void FrmConfig::Load() {
  using namespace config_layout;
  for (ChildControl* control :
       std::initializer_list<ChildControl*>{&cmdSave_, &lbl1_, &Sldr1_, &lblVal_, &chkAOT_})
    AddChild(*control);
  CreateForm({.className = kClassName,
              .caption = kCaption,
              .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
              .exStyle = WS_EX_CONTROLPARENT,
              .backColor = ::GetSysColor(COLOR_BTNFACE),
              .clientSize = kClient,
              .dialog = true,
              .iconResource = IDI_CUBE,
              .commonControls = true});
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

void FrmConfig::OnCommand(int id) {
  if (id == IDCANCEL) OnClose();
}

}  // namespace kelbo
