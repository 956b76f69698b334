; Corvane's per-user installer: one file for 32-bit and 64-bit Windows. It
; installs for the current user alone, under %LOCALAPPDATA%\Programs\Corvane,
; so it asks for no administrator rights, as the program itself asks none.

!include "${__FILEDIR__}/CorvaneShared.nsh"

RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Corvane"
; An update goes where the installed copy is.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  !insertmacro WaitUntilCorvaneQuits
FunctionEnd

Function un.onInit
  !insertmacro WaitUntilCorvaneQuits
FunctionEnd

Section
  !insertmacro InstallCorvaneFiles
  CreateShortcut "${SHORTCUT}" "$INSTDIR\Corvane.exe"
  !insertmacro WriteUninstallEntry HKCU
SectionEnd

Section "Uninstall"
  !insertmacro RemoveCorvaneFiles
  Delete "${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  !insertmacro AskToRemoveTheSettings
SectionEnd
