// The main window: the round, translucent binary clock.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "config/frm_config.h"
#include "ui/child_controls.h"
#include "ui/form.h"

namespace kelbo {

class FrmMain : public Form {
 public:
  FrmMain();
  ~FrmMain() override;

  // Creates the window from its layout and runs Form_Load; the caller shows it.
  void Load();

  // Start-up (window/).
  void Form_Load();
  // Clock face (clock/).
  void tmr1_Timer();
  // Idle watcher (idle/).
  void CheckIdle();
  void tmr2_Timer();
  // Commands (tray/).
  void imgMin_Click();
  void imgConfig_Click();
  void imgExit_Click();
  void mnuShow_Click();
  void mnuConfig_Click();
  void mnuExit_Click();
  // Opacity prompt (window/).
  void cmdTran_Click();

  // Where the start-up placed the window: [0] Top, [1] Left, in twips.
  std::array<float, 2> HomePosition{};
  // The idle drift's direction code.
  std::int16_t MoveDirection = 2;
  // True while a tray notification is being acted on; nested ones are dropped.
  bool TrayBusy = false;

  Timer tmr1;  // the clock tick, every second
  Timer tmr2;  // the idle drift, every 10 ms while on

  const Lamp* FindLamp(std::string_view name) const;
  HMENU PopupMenu() const { return mnuPopup_.get(); }
  const PushButton& cmdTran() const { return cmdTran_; }
  // The options dialog while it is open, else null.
  FrmConfig* frmConfig() const;
  // Whether the disc is put away in the tray (hidden, with its icon there).
  bool InTray() const { return inTray_; }
  // A mouse event on the tray icon, as the shell reports it.
  void OnTrayNotification(std::uint32_t mouseMessage);

 protected:
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  using RowLamps = std::array<Lamp*, 7>;  // by digit position 1..6
  void BuildLayout();
  Lamp& AddLamp(const std::string& name, TwipsRect box, COLORREF colour);
  Picture& AddPicture(const std::string& name, TwipsRect box);
  void BuildPopupMenu();
  void PaintRow(std::int16_t value, std::size_t firstPosition, const RowLamps& lamps);
  void MakeWindowRound();
  void ShowConfig();
  void ShowPopupMenu();
  void RemoveTrayIcon();

  // The digits of the row being drawn; empty between rows.
  std::string BinaryBuffer;

  std::vector<std::unique_ptr<Control>> controls_;
  RowLamps cirhr_{};
  RowLamps cirmin_{};
  RowLamps cirSec_{};
  Picture* imgMin_ = nullptr;
  Picture* imgConfig_ = nullptr;
  Picture* imgExit_ = nullptr;
  Picture* Img1_ = nullptr;
  PushButton cmdTran_;
  UniqueMenu mnuPopup_;
  bool inTray_ = false;  // the truth the icon is re-added from
  // Kept after it closes until the next opening, which loads a fresh one.
  std::unique_ptr<FrmConfig> frmConfig_;
};

}  // namespace kelbo
