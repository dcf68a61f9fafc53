; Kelbo Time's setup: one download for both processors, installed for the
; user alone, with no administrator prompt. Made by scripts/package.py:
;   makensis -DVERSION=1.2.3 -DEXE32=... -DEXE64=... -DTEXTS=folder
;            -DOUTFILE=...\KelboTime-1.2.3-setup.exe KelboTime.nsi
; TEXTS holds README.txt, CHANGES.txt and LICENSE.txt with Windows line ends.
; -DSIGN=command signs the uninstaller as it is made (the command gets its
; path for %1); the setup itself is signed after makensis.
; -DAMD64 makes a 64-bit setup of the same script, for test machines that run
; no 32-bit Windows programs; the release's setup is 32-bit, so that it runs
; on every Windows.
;
; Silent: /S, with /STARTMENU=0|1 (1), /AUTOSTART=0|1 (0), /DESKTOP=0|1 (0)
; and /D=folder last, with or without quotes. An upgrade keeps the folder and the shortcuts the user
; has. Exit codes: 0 done, 1 cancelled, 2 failed or refused.

Unicode true
!ifdef AMD64
  Target amd64-unicode
!else
  Target x86-unicode
!endif
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel user
; Installed files take the time of the install: the setup holds no dates, and
; two runs from the same commit make the same bytes.
SetDateSave off

!include FileFunc.nsh
!include LogicLib.nsh
!include MUI2.nsh
!include nsDialogs.nsh
!include StrFunc.nsh
!include x64.nsh

${StrStr}

!define PRODUCT "Kelbo Time"
!define PUBLISHER "The Kelbo Time developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KelboTime"
!define SHORTCUT "${PRODUCT}.lnk"
; What the clock answers: the named block in which the running clock leaves
; its loop's thread and its process, the end request it answers as its tray
; menu's "Exit", and its disc's window class.
!define CLOCK_BLOCK "Local\KelboTime.LoopThread"
!define END_REQUEST "KelboTime.EndTheClock"
!define DISC_CLASS "KelboTimeMain"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}.0"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}.0"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}, MIT License"

!ifdef SIGN
  !uninstfinalize `${SIGN}` = 0
!endif

!define MUI_ICON "${__FILEDIR__}\..\assets\cube.ico"
!define MUI_UNICON "${__FILEDIR__}\..\assets\cube.ico"
!define MUI_ABORTWARNING

Var WantStartMenu
Var WantAutostart
Var WantDesktop
Var StartMenuBox
Var AutostartBox
Var DesktopBox
Var ClockWasRunning

!insertmacro MUI_PAGE_DIRECTORY
Page custom ChoicesPage ChoicesPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\KelboTime.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; A running clock holds its exe: it is asked to end as its tray menu's "Exit"
; ends it, never killed. The request goes to the thread of the clock's loop,
; and then to its disc, which answers inside a menu or a dialog too. A clock
; whose options dialog is open ends when the user closes it, as after "Exit".
!macro END_RUNNING_CLOCK un
Function ${un}EndRunningClock
  StrCpy $ClockWasRunning 0
  System::Call 'kernel32::OpenFileMappingW(i 4, i 0, w "${CLOCK_BLOCK}") p .r0'
  StrCmp $0 0 0 +2
    Return  ; no clock in this session
  StrCpy $1 0
  StrCpy $2 0
  System::Call 'kernel32::MapViewOfFile(p r0, i 4, i 0, i 0, p 8) p .r3'
  ${If} $3 != 0
    System::Call '*$3(i .r1, i .r2)'  ; the loop's thread, the process
    System::Call 'kernel32::UnmapViewOfFile(p r3)'
  ${EndIf}
  System::Call 'kernel32::CloseHandle(p r0)'
  StrCmp $2 0 0 +2
    Return
  System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r2) p .r4'  ; SYNCHRONIZE
  StrCmp $4 0 0 +2
    Return  ; it ended already
  StrCpy $ClockWasRunning 1
  System::Call 'user32::RegisterWindowMessageW(w "${END_REQUEST}") i .r5'
  ; Open options stay, and come forward for the user to close.
  System::Call 'user32::AllowSetForegroundWindow(i r2)'
  ask:
  StrCpy $6 0
  ${Do}
    System::Call 'user32::PostThreadMessageW(i r1, i r5, p 0, p 0)'
    System::Call 'kernel32::WaitForSingleObject(p r4, i 500) i .r7'
    ${IfThen} $7 == 0 ${|} ${ExitDo} ${|}
    FindWindow $8 "${DISC_CLASS}"
    ${If} $8 != 0
      System::Call 'user32::PostMessageW(p r8, i r5, p 0, p 0)'
    ${EndIf}
    System::Call 'kernel32::WaitForSingleObject(p r4, i 500) i .r7'
    ${IfThen} $7 == 0 ${|} ${ExitDo} ${|}
    IntOp $6 $6 + 1
  ${LoopUntil} $6 >= 10
  ${If} $7 != 0
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${PRODUCT} is still running. If its options are open, close them, then click Retry." \
      /SD IDCANCEL IDRETRY ask
    System::Call 'kernel32::CloseHandle(p r4)'
    SetErrorLevel 2
    Abort "${PRODUCT} is still running."
  ${EndIf}
  System::Call 'kernel32::CloseHandle(p r4)'
FunctionEnd
!macroend
!insertmacro END_RUNNING_CLOCK ""
!insertmacro END_RUNNING_CLOCK "un."

; An option of the command line, 0 or 1, into `var`; absent leaves it.
!macro OPTION name var
  ${GetOptions} $R0 "/${name}=" $R1
  ${IfNot} ${Errors}
    ${If} $R1 == 0
    ${OrIf} $R1 == 1
      StrCpy ${var} $R1
    ${Else}
      MessageBox MB_ICONSTOP "/${name}= takes 0 or 1, not $\"$R1$\"." /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
  ${EndIf}
!macroend

Function .onInit
  ; NSIS reads /D= only without quotes, and drops a quoted folder for the
  ; default; a package manager may put quotes around a folder with spaces.
  System::Call 'kernel32::GetCommandLineW() t .r0'
  ${StrStr} $1 $0 ' /D="'
  ${If} $1 != ""
    StrCpy $1 $1 "" 5
    ${StrStr} $2 $1 '"'
    StrLen $3 $1
    StrLen $4 $2
    IntOp $3 $3 - $4
    StrCpy $INSTDIR $1 $3
  ${EndIf}
  ; First install: a Start menu shortcut only. An upgrade: the shortcuts
  ; the user has now, whether the setup or the user made or deleted them.
  StrCpy $WantStartMenu 1
  StrCpy $WantAutostart 0
  StrCpy $WantDesktop 0
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    StrCpy $WantStartMenu 0
    IfFileExists "$SMPROGRAMS\${SHORTCUT}" 0 +2
      StrCpy $WantStartMenu 1
    IfFileExists "$SMSTARTUP\${SHORTCUT}" 0 +2
      StrCpy $WantAutostart 1
    IfFileExists "$DESKTOP\${SHORTCUT}" 0 +2
      StrCpy $WantDesktop 1
  ${EndIf}
  ${GetParameters} $R0
  !insertmacro OPTION STARTMENU $WantStartMenu
  !insertmacro OPTION AUTOSTART $WantAutostart
  !insertmacro OPTION DESKTOP $WantDesktop
FunctionEnd

Function ChoicesPage
  !insertmacro MUI_HEADER_TEXT "Shortcuts" "Where ${PRODUCT} is started from."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateCheckbox} 0 0 100% 12u "Add ${PRODUCT} to the &Start menu"
  Pop $StartMenuBox
  ${NSD_SetState} $StartMenuBox $WantStartMenu
  ${NSD_CreateCheckbox} 0 18u 100% 12u "Start ${PRODUCT} &when I sign in"
  Pop $AutostartBox
  ${NSD_SetState} $AutostartBox $WantAutostart
  ${NSD_CreateCheckbox} 0 36u 100% 12u "Put a shortcut on the &desktop"
  Pop $DesktopBox
  ${NSD_SetState} $DesktopBox $WantDesktop
  nsDialogs::Show
FunctionEnd

Function ChoicesPageLeave
  ${NSD_GetState} $StartMenuBox $WantStartMenu
  ${NSD_GetState} $AutostartBox $WantAutostart
  ${NSD_GetState} $DesktopBox $WantDesktop
FunctionEnd

; The shortcut at `path` when `want` is 1; otherwise none is left there.
!macro SHORTCUT_IF want path
  ${If} ${want} == 1
    CreateShortcut "${path}" "$INSTDIR\KelboTime.exe" "" "$INSTDIR\KelboTime.exe" 0
  ${Else}
    Delete "${path}"
  ${EndIf}
!macroend

Section "Kelbo Time"
  Call EndRunningClock
  SetOutPath "$INSTDIR"
  ; One name for both builds: the shortcuts and the entry never change.
!ifdef AMD64
  File "/oname=KelboTime.exe" "${EXE64}"  ; a 64-bit setup runs on 64-bit Windows alone
!else
  ${If} ${RunningX64}
    File "/oname=KelboTime.exe" "${EXE64}"
  ${Else}
    File "/oname=KelboTime.exe" "${EXE32}"
  ${EndIf}
!endif
  File "${TEXTS}\README.txt"
  File "${TEXTS}\CHANGES.txt"
  File "${TEXTS}\LICENSE.txt"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  !insertmacro SHORTCUT_IF $WantStartMenu "$SMPROGRAMS\${SHORTCUT}"
  !insertmacro SHORTCUT_IF $WantAutostart "$SMSTARTUP\${SHORTCUT}"
  !insertmacro SHORTCUT_IF $WantDesktop "$DESKTOP\${SHORTCUT}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$\"$INSTDIR\KelboTime.exe$\",0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\Uninstall.exe$\""
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" "$\"$INSTDIR\Uninstall.exe$\" /S"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

  ; A silent upgrade puts back the clock it ended; the finish page asks.
  ${If} ${Silent}
  ${AndIf} $ClockWasRunning == 1
    Exec '"$INSTDIR\KelboTime.exe"'
  ${EndIf}
SectionEnd

Section "Uninstall"
  Call un.EndRunningClock
  Delete "$SMPROGRAMS\${SHORTCUT}"
  Delete "$SMSTARTUP\${SHORTCUT}"
  Delete "$DESKTOP\${SHORTCUT}"
  Delete "$INSTDIR\KelboTime.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\CHANGES.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"  ; only when empty: what the user put there stays
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
