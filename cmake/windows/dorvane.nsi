; The Windows installer of Dorvane, built by scripts/build-windows.sh with
; Debian's makensis:
;   makensis -DVERSION=1.0 -DSTAGE=<installed tree> -DLISTS=<folder> -DICON=<dorvane.ico> -DOUTFILE=<setup.exe> dorvane.nsi
; LISTS holds files.nsh and unfiles.nsh, the script's lists of what it
; installs and removes, made from the installed tree, so that uninstalling
; removes exactly what was installed: a skin or any other file the user put
; into the program's folder stays, and so does the folder then.
;
; For all users, under Program Files; /S installs and uninstalls silently.
; A 64-bit installer for a 64-bit program: it runs where the program does
; (and under a 64-bit Wine, which has no 32-bit side).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!define PRODUCT "Dorvane Weekly Planner"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Dorvane"
!define PROGID "Dorvane.Calendar"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Dorvane"
BrandingText "Dorvane ${VERSION}"
Icon "${ICON}"
UninstallIcon "${ICON}"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Dorvane"
  SetShellVarContext all
  !include "${LISTS}\files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\dorvane.exe"

  ; "Open with" for calendar files: a ProgID of our own, offered for .ics
  ; beside whatever program the user has chosen for them, which stays.
  WriteRegStr HKLM "Software\Classes\${PROGID}" "" "iCalendar file"
  WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\dorvane.exe,0"
  WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open" "" "Open with Dorvane"
  WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\dorvane.exe" "%1"'
  WriteRegStr HKLM "Software\Classes\.ics\OpenWithProgids" "${PROGID}" ""
  WriteRegStr HKLM "Software\Classes\Applications\dorvane.exe" "FriendlyAppName" "${PRODUCT}"
  WriteRegStr HKLM "Software\Classes\Applications\dorvane.exe\SupportedTypes" ".ics" ""
  WriteRegStr HKLM "Software\Classes\Applications\dorvane.exe\shell\open\command" "" '"$INSTDIR\dorvane.exe" "%1"'

  ; Apps and Features.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Dorvane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\dorvane.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegValue HKLM "Software\Classes\.ics\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty HKLM "Software\Classes\.ics\OpenWithProgids"
  DeleteRegKey /ifempty HKLM "Software\Classes\.ics"
  DeleteRegKey HKLM "Software\Classes\${PROGID}"
  DeleteRegKey HKLM "Software\Classes\Applications\dorvane.exe"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  !include "${LISTS}\unfiles.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
