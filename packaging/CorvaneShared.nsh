; What Corvane's two installers share: the per-user one (Corvane.nsi), which
; asks for no rights, and the all-users one (CorvaneAllUsers.nsi), which
; installs into Program Files. Each script includes this file first, then
; sets its rights, its folder and its pages. Both are 32-bit programs, which
; run on 32-bit and 64-bit Windows alike: they pick the build to install by
; the Windows they find.
;
; Built by make-installer.sh:
;   makensis -DVERSION=<x.y.z> -DX64_FOLDER=<64-bit build> -DX86_FOLDER=<32-bit build> -DOUTFILE=<setup.exe> <script>
; where each build folder holds Corvane.exe, skin.smf, USER-GUIDE.html and guide\*.png.

Unicode true
SetCompressor /SOLID lzma

!include LogicLib.nsh
!include x64.nsh
!include FileFunc.nsh
!include MUI2.nsh

!define PRODUCT "Corvane"
!define PUBLISHER "Corvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The program's own settings: the window's choices, kept in the registry.
!define PRODUCT_KEY "SOFTWARE\Corvane"
!define SHORTCUT "$SMPROGRAMS\Corvane.lnk"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

; As in the program's own version information, there is no copyright line.
!pragma warning disable 9100
VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"

!define MUI_ICON "${__FILEDIR__}/../res/Corvane.ico"
!define MUI_UNICON "${__FILEDIR__}/../res/Corvane.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Corvane.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Start Corvane now"

; A running Corvane holds its executable open and writes Corvane.ini when it
; exits, so neither the installer nor the uninstaller touches the folder while
; it runs. Its main window is the dialog captioned "Corvane": a top-level window
; while shown, and while hidden in the notification area a child of an
; invisible window of the program's own class (framework/Wnd.cpp's
; FrameworkWindowClass). A silent run gives up at once.
!macro FindCorvane
  FindWindow $0 "#32770" "${PRODUCT}"
  StrCpy $1 0
  ${DoWhile} $0 = 0
    FindWindow $1 "CorvaneFrameworkWnd" "" 0 $1
    ${IfThen} $1 = 0 ${|} ${ExitDo} ${|}
    FindWindow $0 "#32770" "${PRODUCT}" $1
  ${Loop}
!macroend

!macro WaitUntilCorvaneQuits
  !insertmacro FindCorvane
  ${DoWhile} $0 <> 0
    ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Corvane is running. Quit it (Exit in the menu of its notification-area icon), then press Retry." /SD IDCANCEL IDCANCEL`
      Abort
    ${EndIf}
    !insertmacro FindCorvane
  ${Loop}
!macroend

; Corvane.ini and a services file beside the program are the user's: an
; installation over an existing one never writes either.
!macro InstallCorvaneFiles
  SetOutPath "$INSTDIR"
  ${If} ${RunningX64}
    File "${X64_FOLDER}/Corvane.exe"
  ${Else}
    File "${X86_FOLDER}/Corvane.exe"
  ${EndIf}
  File "${X64_FOLDER}/skin.smf"
  File "${X64_FOLDER}/USER-GUIDE.html"
  SetOutPath "$INSTDIR\guide"
  File "${X64_FOLDER}/guide/*.png"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
!macroend

; The entry of the list of installed apps, under HKCU for the user alone or
; HKLM for everyone.
!macro WriteUninstallEntry ROOT
  WriteRegStr ${ROOT} "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr ${ROOT} "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr ${ROOT} "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr ${ROOT} "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Corvane.exe"
  WriteRegStr ${ROOT} "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr ${ROOT} "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr ${ROOT} "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD ${ROOT} "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD ${ROOT} "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KB, as Windows shows it.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD ${ROOT} "${UNINSTALL_KEY}" "EstimatedSize" $0
!macroend

; Removes every file the program or the installer puts in the folder, the
; INI file and a services file too; any other file keeps the folder.
!macro RemoveCorvaneFiles
  Delete "$INSTDIR\Corvane.exe"
  Delete "$INSTDIR\skin.smf"
  Delete "$INSTDIR\USER-GUIDE.html"
  Delete "$INSTDIR\guide\*.png"
  RMDir "$INSTDIR\guide"
  Delete "$INSTDIR\Corvane.ini"
  Delete "$INSTDIR\services"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
!macroend

; The settings in the registry, the user's who uninstalls, go only when that
; user says so.
!macro AskToRemoveTheSettings
  ${If} ${Cmd} `MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "Remove your Corvane settings as well?$\n$\nChoose No to keep them for a later installation." /SD IDNO IDYES`
    DeleteRegKey HKCU "${PRODUCT_KEY}"
  ${EndIf}
!macroend
