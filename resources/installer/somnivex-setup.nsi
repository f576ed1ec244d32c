; The Windows installer of Somnivex: a per-user install that needs no
; administrator rights, with a Start-menu shortcut and an uninstaller that
; takes everything away again. Built by the dist target, which defines:
;   SMX_VERSION      "1.2.3"                SMX_VERSION_QUAD  "1.2.3.0"
;   SMX_FILES        the release folder     SMX_LICENSE       the licence file
;   SMX_ART          the build's artwork    SMX_OUTFILE       the setup to write
;   SMX_TARGET       x86-unicode or amd64-unicode
;   SMX_LANGUAGE_STRINGS  the installer's languages and texts, made by the
;                    build from languages/*.nsh.in (tools/fill-texts)
;
; The installer speaks Windows' display language where it has it, else
; English; so does the uninstaller.

Unicode true
Target ${SMX_TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestSupportedOS all
ManifestDPIAware true

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Somnivex"
!define PUBLISHER "The Somnivex developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Somnivex"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define UNINSTALLER "uninstall.exe"
; The top-level window of a running Somnivex and those of its companion.
!define MAIN_TITLE "Somnivex.."
!define HOLLOW_TITLE_1 "SM Vododi Reminders 1"
!define HOLLOW_TITLE_2 "SM Vododi Reminders 2"
!define SYNCHRONIZE 0x00100000

Name "${PRODUCT}"
OutFile "${SMX_OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An earlier install (perhaps to a folder chosen with /D=) is updated in place.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${SMX_VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${SMX_ART}/somnivex.ico"
!define MUI_UNICON "${SMX_ART}/somnivex.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SMX_ART}/setup_side.bmp"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "$(SMX_WELCOME)"
!define MUI_FINISHPAGE_RUN "$INSTDIR\somnivex.exe"
!define MUI_FINISHPAGE_RUN_TEXT "$(SMX_RUN_NOW)"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${SMX_LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!include /CHARSET=UTF8 "${SMX_LANGUAGE_STRINGS}"

VIProductVersion "${SMX_VERSION_QUAD}"
VIFileVersion "${SMX_VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} installer and uninstaller"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${SMX_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${SMX_VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) ${PUBLISHER}"

; Sets the register (r0..r9) to the top-level window titled `title`, or 0.
!macro SMX_FIND_WINDOW register title
  System::Call 'user32::FindWindowW(p 0, w "${title}") p .${register}'
!macroend

; Files in use cannot be replaced or removed, so both the installer and the
; uninstaller first end a running Somnivex the way its own Quit does: WM_CLOSE
; to its main window, which saves the settings, stops hollow and exits. A
; hollow left running without Somnivex is closed through its windows too.
; Nothing is ever terminated by name. The macro defines the function once for
; the installer and once (prefix "un.") for the uninstaller.
!macro SMX_STOP_FUNCTIONS prefix
  ; Closes the top-level window titled $0, if there is one, and waits up to
  ; 20 s for its process to end. Leaves $0 untouched.
  Function ${prefix}CloseWindowAndWait
    Push $1
    Push $2
    Push $3
    !insertmacro SMX_FIND_WINDOW r1 "$0"
    ${If} $1 <> 0
      StrCpy $2 0
      System::Call "user32::GetWindowThreadProcessId(p r1, *i .r2)"
      System::Call "kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i r2) p .r3"
      System::Call "user32::PostMessage(p r1, i ${WM_CLOSE}, p 0, p 0)"
      ${If} $3 P<> 0
        System::Call "kernel32::WaitForSingleObject(p r3, i 20000)"
        System::Call "kernel32::CloseHandle(p r3)"
      ${Else}
        ; No handle to wait on: watch the window instead.
        ${For} $2 1 100
          Sleep 200
          !insertmacro SMX_FIND_WINDOW r1 "$0"
          ${IfThen} $1 = 0 ${|} ${ExitFor} ${|}
        ${Next}
      ${EndIf}
    ${EndIf}
    Pop $3
    Pop $2
    Pop $1
  FunctionEnd

  ; Sets $1 to 1 once the program files in $INSTDIR can be opened for
  ; writing (a process that is still ending keeps its image locked), to 0
  ; when they are still in use after 10 s.
  Function ${prefix}WaitProgramFilesFree
    Push $2
    Push $3
    ${For} $2 1 50
      StrCpy $1 1
      ${If} ${FileExists} "$INSTDIR\somnivex.exe"
        ClearErrors
        FileOpen $3 "$INSTDIR\somnivex.exe" a
        ${IfThen} ${Errors} ${|} StrCpy $1 0 ${|}
        ${IfThen} $1 = 1 ${|} FileClose $3 ${|}
      ${EndIf}
      ${If} $1 = 1
      ${AndIf} ${FileExists} "$INSTDIR\hollow.exe"
        ClearErrors
        FileOpen $3 "$INSTDIR\hollow.exe" a
        ${IfThen} ${Errors} ${|} StrCpy $1 0 ${|}
        ${IfThen} $1 = 1 ${|} FileClose $3 ${|}
      ${EndIf}
      ${IfThen} $1 = 1 ${|} ${ExitFor} ${|}
      Sleep 200
    ${Next}
    Pop $3
    Pop $2
  FunctionEnd

  ; Ends Somnivex and hollow; asks the user to quit them by hand (or gives
  ; up, when silent) while they are still running.
  Function ${prefix}StopSomnivex
    Push $0
    Push $1
    ${Do}
      StrCpy $0 "${MAIN_TITLE}"
      Call ${prefix}CloseWindowAndWait
      StrCpy $0 "${HOLLOW_TITLE_1}"
      Call ${prefix}CloseWindowAndWait
      StrCpy $0 "${HOLLOW_TITLE_2}"
      Call ${prefix}CloseWindowAndWait
      Call ${prefix}WaitProgramFilesFree
      !insertmacro SMX_FIND_WINDOW r0 "${MAIN_TITLE}"
      ${IfThen} $0 <> 0 ${|} StrCpy $1 0 ${|}
      ${IfThen} $1 = 1 ${|} ${Break} ${|}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(SMX_STILL_RUNNING)" /SD IDCANCEL IDRETRY +2
      Abort "$(SMX_STILL_RUNNING_ABORT)"
    ${Loop}
    Pop $1
    Pop $0
  FunctionEnd
!macroend
!insertmacro SMX_STOP_FUNCTIONS ""
!insertmacro SMX_STOP_FUNCTIONS "un."

Section "Install"
  Call StopSomnivex
  ; Only the shipped files are written: config.txt, the practice record and
  ; the Dreams folder of an earlier install stay as they are.
  SetOutPath "$INSTDIR"
  ClearErrors
  File "${SMX_FILES}/somnivex.exe"
  File "${SMX_FILES}/hollow.exe"
  File "${SMX_FILES}/ting.wav"
  File "${SMX_FILES}/help.html"
  ; The help page in the programs' other languages.
  File "${SMX_FILES}/help.*.html"
  File "/oname=LICENSE" "${SMX_LICENSE}"
  ; A file that could not be written (skipped at the error box, or in a
  ; silent install) leaves a broken install: fail instead of reporting success.
  ${If} ${Errors}
    Abort "$(SMX_FILES_NOT_WRITTEN)"
  ${EndIf}
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\somnivex.exe" "" "$INSTDIR\somnivex.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${SMX_VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\somnivex.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Deletes the settings, the practice record and the dream journal kept in
; the folder. Only the journal's own files go: a Dreams folder that holds
; anything else of the user's stays.
!macro SMX_DELETE_USER_FILES folder
  Delete "${folder}\config.txt"
  Delete "${folder}\config.txt.tmp"
  Delete "${folder}\practice.csv"
  Delete "${folder}\practice.csv.tmp"
  Delete "${folder}\Dreams\*.md"
  Delete "${folder}\Dreams\*.md.saving"
  RMDir "${folder}\Dreams"
!macroend

Section "Uninstall"
  ; Settings live beside the program, or in the per-user folder when the
  ; program's folder could not be written. Kept unless the user says otherwise.
  StrCpy $4 "$LOCALAPPDATA\${PRODUCT}"
  StrCpy $5 1
  ${If} ${FileExists} "$INSTDIR\config.txt"
  ${OrIf} ${FileExists} "$INSTDIR\practice.csv"
  ${OrIf} ${FileExists} "$4\config.txt"
  ${OrIf} ${FileExists} "$4\practice.csv"
  ${OrIf} ${FileExists} "$INSTDIR\Dreams\*.*"
  ${OrIf} ${FileExists} "$4\Dreams\*.*"
    MessageBox MB_YESNO|MB_ICONQUESTION "$(SMX_KEEP_USER_FILES)" /SD IDYES IDYES +2
    StrCpy $5 0
  ${EndIf}

  Call un.StopSomnivex

  ; The "start with Windows" value goes only when it starts this installation.
  ReadRegStr $0 HKCU "${RUN_KEY}" "${PRODUCT}"
  StrCpy $1 '"$INSTDIR\somnivex.exe"'
  StrLen $2 $1
  StrCpy $3 $0 $2
  ${If} $3 == $1
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}

  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$INSTDIR\somnivex.exe"
  Delete "$INSTDIR\hollow.exe"
  Delete "$INSTDIR\ting.wav"
  Delete "$INSTDIR\help.html"
  Delete "$INSTDIR\help.*.html"
  Delete "$INSTDIR\LICENSE"
  ${If} $5 = 0
    !insertmacro SMX_DELETE_USER_FILES "$INSTDIR"
    !insertmacro SMX_DELETE_USER_FILES "$4"
    RMDir "$4"
  ${EndIf}
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; Last, so that its absence means the uninstall has run to its end. Only
  ; an empty folder is removed: whatever else the user keeps there stays.
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
SectionEnd
