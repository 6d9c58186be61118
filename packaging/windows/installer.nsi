; The Windows installer: the window program and both tools for the current
; user, without administrator rights, under %LOCALAPPDATA%\Programs. The
; layout is the installed one (bin\ and share\skyvex-scoring\), so the program
; keeps each user's files in %APPDATA%\Skyvex Scoring, which the uninstaller
; leaves alone.
;
; makensis -DVERSION=3.0.0 -DDISPLAY_VERSION="3.0.0i beta" -DSTAGE=<staged tree>
;          -DOUTFILE=<installer.exe> installer.nsi

; A 64-bit installer for a 64-bit program (and for a 64-bit-only Wine).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PRODUCT "Skyvex Scoring Utility"
!define PUBLISHER "Marrowby Enterprises"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\SkyvexScoring"
!define SETUP_CLASS "SkyvexScoring.Setup"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Skyvex Scoring"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
Icon "${STAGE}\share\skyvex-scoring\skyvex-scoring.ico"
UninstallIcon "${STAGE}\share\skyvex-scoring\skyvex-scoring.ico"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${DISPLAY_VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Install"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\bin\skyvex-scoring.exe"

  ; Setup files (.vxs) open in the program.
  WriteRegStr HKCU "Software\Classes\.vxs" "" "${SETUP_CLASS}"
  WriteRegStr HKCU "Software\Classes\${SETUP_CLASS}" "" "Skyvex scoring setup"
  WriteRegStr HKCU "Software\Classes\${SETUP_CLASS}\DefaultIcon" "" "$INSTDIR\bin\skyvex-scoring.exe,0"
  WriteRegStr HKCU "Software\Classes\${SETUP_CLASS}\shell\open\command" "" '"$INSTDIR\bin\skyvex-scoring.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${DISPLAY_VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\skyvex-scoring.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  ; Only what the installer put there: the user's settings in %APPDATA% stay.
  RMDir /r "$INSTDIR\bin"
  RMDir /r "$INSTDIR\share"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  ReadRegStr $0 HKCU "Software\Classes\.vxs" ""
  StrCmp $0 "${SETUP_CLASS}" 0 +2
    DeleteRegKey HKCU "Software\Classes\.vxs"
  DeleteRegKey HKCU "Software\Classes\${SETUP_CLASS}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
