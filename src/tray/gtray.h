// The program's one tray icon: its record and the calls to the shell.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace gTray {

// The icon's mouse events arrive at the owner window as this message, with
// the mouse message's number in lParam.
inline constexpr UINT kTrayCallbackMessage = WM_APP + 1;
inline constexpr UINT kTrayIconId = 1;
// The record's first, 88-byte version with 8-bit text.
inline constexpr DWORD kTrayRecordSize = 88;

extern NOTIFYICONDATAA TrayIconData;

// Fills the record once, for the main window; adds nothing to the tray.
void FillTrayIconData(HWND owner);

// Shell_NotifyIconA with the record; true when the shell took it.
bool NotifyTray(DWORD operation);

}  // namespace gTray
