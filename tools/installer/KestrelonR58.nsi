; The setup program of the Kestrelon R58 configurator: a 64-bit, per-machine
; installer with a silent mode (/S). makensis gets VERSION, PROGRAM_DIR (the
; build's program folder) and OUTFILE from the build.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!define PRODUCT "Kestrelon R58"
!define PUBLISHER "Kestrelon"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KestrelonR58"
!define WM_CLOSE 0x0010
; Asks the configuration program to close, as the device service does.
!define UM_CLOSE_CONFIG 0x0529

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Kestrelon\R58"
RequestExecutionLevel admin
ShowInstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} setup"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

; Closes the configuration program, then the device service (which outlives
; it), and waits up to five seconds for each window to go, so that their files
; can be replaced or removed.
!macro CloseRunning un
Function ${un}CloseRunning
  FindWindow $0 "" "${PRODUCT}"
  IntCmp $0 0 service
  SendMessage $0 ${UM_CLOSE_CONFIG} 0 0 /TIMEOUT=5000
  StrCpy $1 0
  program_wait:
    Sleep 100
    FindWindow $0 "" "${PRODUCT}"
    IntCmp $0 0 service
    IntOp $1 $1 + 1
    IntCmp $1 50 service program_wait service
  service:
  FindWindow $0 "" "Kestrelon_R58_Hid"
  IntCmp $0 0 done
  SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  StrCpy $1 0
  service_wait:
    Sleep 100
    FindWindow $0 "" "Kestrelon_R58_Hid"
    IntCmp $0 0 done
    IntOp $1 $1 + 1
    IntCmp $1 50 done service_wait done
  done:
  ; Let the processes end after their windows.
  Sleep 500
FunctionEnd
!macroend
!insertmacro CloseRunning ""
!insertmacro CloseRunning "un."

Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Program"
  Call CloseRunning
  SetOutPath "$INSTDIR"
  File "${PROGRAM_DIR}\KestrelonR58.exe"
  File "${PROGRAM_DIR}\hid.exe"
  File "${PROGRAM_DIR}\KBHook.dll"
  File "${PROGRAM_DIR}\r58ctl.exe"
  SetOutPath "$INSTDIR\Lan"
  File "${PROGRAM_DIR}\Lan\*.ini"
  SetOutPath "$INSTDIR\skins"
  File /r "${PROGRAM_DIR}\skins\*.*"
  SetOutPath "$INSTDIR\Help"
  File "${PROGRAM_DIR}\Help\Help.pdf"
  SetOutPath "$INSTDIR"

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\KestrelonR58.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\KestrelonR58.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the setup installed and nothing else: the settings and
; libraries in each user's application-data folder stay.
Section "Uninstall"
  Call un.CloseRunning
  Delete "$INSTDIR\KestrelonR58.exe"
  Delete "$INSTDIR\hid.exe"
  Delete "$INSTDIR\KBHook.dll"
  Delete "$INSTDIR\r58ctl.exe"
  RMDir /r "$INSTDIR\Lan"
  RMDir /r "$INSTDIR\skins"
  RMDir /r "$INSTDIR\Help"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  RMDir "$INSTDIR\.."
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
