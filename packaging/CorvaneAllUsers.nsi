; Corvane's all-users installer: one file for 32-bit and 64-bit Windows. It
; installs into Program Files, where only administrators can change the
; program, so that Corvane may run with administrator rights (acceleration
; needs them) and start at logon with them: it asks for those rights itself.
; Program Files and nowhere else: there is no folder to choose, and a folder
; given with /D is not taken.

!include "${__FILEDIR__}/CorvaneShared.nsh"

RequestExecutionLevel admin

!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Windows before Vista does not read RequestExecutionLevel.
!macro RequireAdministrator
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "Admin"
    MessageBox MB_OK|MB_ICONSTOP "Installing or removing Corvane for all users needs administrator rights.$\n$\nCorvane-${VERSION}-setup.exe installs Corvane for you alone." /SD IDOK
    Abort
  ${EndIf}
!macroend

; The installer and its uninstaller are 32-bit programs. On 64-bit Windows
; they work in the registry's 64-bit view, where Windows lists the 64-bit
; programs installed for everyone, and in the 64-bit Program Files folder,
; where the 64-bit build belongs. The Start menu's shortcut is everyone's.
Function .onInit
  !insertmacro RequireAdministrator
  SetShellVarContext all
  ${If} ${RunningX64}
    SetRegView 64
    StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
  ${Else}
    StrCpy $INSTDIR "$PROGRAMFILES\${PRODUCT}"
  ${EndIf}
  !insertmacro WaitUntilCorvaneQuits
FunctionEnd

Function un.onInit
  !insertmacro RequireAdministrator
  SetShellVarContext all
  ${If} ${RunningX64}
    SetRegView 64
  ${EndIf}
  !insertmacro WaitUntilCorvaneQuits
FunctionEnd

; A copy of this user's from the per-user installer would stay beside this
; one. Its uninstaller lies in a folder that every program of the user's can
; write: started from here it would run with administrator rights, whatever
; file lay there. So the desktop shell starts it, with the user's own rights:
; explorer.exe, given a file by an elevated program, hands it to the running
; shell. The user then sees its own pages.
Function OfferToRemoveThePerUserCopy
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\Uninstall.exe"
    ${If} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION "Corvane is also installed for you alone, in $0.$\n$\nRemove that copy? Yes opens its uninstaller." /SD IDNO IDYES`
      Exec '"$WINDIR\explorer.exe" "$0\Uninstall.exe"'
    ${EndIf}
  ${EndIf}
FunctionEnd

Section
  Call OfferToRemoveThePerUserCopy
  !insertmacro InstallCorvaneFiles
  CreateShortcut "${SHORTCUT}" "$INSTDIR\Corvane.exe"
  !insertmacro WriteUninstallEntry HKLM
SectionEnd

; Every user's logon task of Corvane's, "Corvane <the user's SID>", which a
; copy run as administrator from this folder registers for its user. The
; scheduler keeps each task of its root folder as a file of the task's name
; in the system's Tasks folder, which a 32-bit program sees only with the file
; system's redirection off; schtasks removes each through the scheduler.
Function un.RemoveEveryUsersLogonTask
  ${DisableX64FSRedirection}
  FindFirst $0 $1 "$SYSDIR\Tasks\${PRODUCT} S-1-*"
  ${DoWhile} $1 != ""
    nsExec::Exec '"$SYSDIR\schtasks.exe" /delete /tn "$1" /f'
    Pop $2
    FindNext $0 $1
  ${Loop}
  FindClose $0
  ${EnableX64FSRedirection}
FunctionEnd

Section "Uninstall"
  !insertmacro RemoveCorvaneFiles
  Delete "${SHORTCUT}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; This user's Run value, when it starts this copy.
  ReadRegStr $0 HKCU "${RUN_KEY}" "${PRODUCT}"
  ${If} $0 == '"$INSTDIR\Corvane.exe" -tray'
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}
  Call un.RemoveEveryUsersLogonTask
  !insertmacro AskToRemoveTheSettings
SectionEnd
