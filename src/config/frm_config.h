// The options dialog "Configure Options": the disc's opacity on a slider,
// previewed live, and whether the disc stays on top.
#pragma once

#include <windows.h>

#include <functional>

#include "ui/child_controls.h"
#include "ui/form.h"

namespace kelbo {

class FrmConfig : public Form {
 public:
  // `previewWindow` gives the window whose opacity the slider previews and
  // whose topmost band Save sets, or null once that window is gone.
  explicit FrmConfig(std::function<HWND()> previewWindow);

  // Creates the dialog from its layout and runs Form_Load; the caller shows it.
  void Load();

  void Form_Load();
  void Sldr1_Change();
  void cmdSave_Click();

  Slider& Sldr1() { return Sldr1_; }
  CheckBox& chkAOT() { return chkAOT_; }
  const StaticText& lblVal() const { return lblVal_; }
  const PushButton& cmdSave() const { return cmdSave_; }

 protected:
  // The title bar's close, and Esc: nothing is stored.
  void OnClose() override;
  void OnCommand(int id) override;
  ~FrmConfig() override = default;  // held as an Owned<FrmConfig>

 private:
  std::function<HWND()> previewWindow_;
  PushButton cmdSave_;
  StaticText lbl1_;
  Slider Sldr1_;
  StaticText lblVal_;
  CheckBox chkAOT_;
};

}  // namespace kelbo
