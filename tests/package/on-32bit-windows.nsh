; Included before the installer's script by the tests: ${RunningX64} answers as
; it does on 32-bit Windows, wherever the installer runs. It ends the way x64.nsh's
; own test ends there, IsWow64Process having reported 0. 32-bit code cannot
; execute on the test machines, so this is how the tests take the installer
; down the way it goes on 32-bit Windows.
!include x64.nsh
!macroundef _RunningX64
!macro _RunningX64 _a _b _t _f
  !insertmacro _!= 0 0 `${_t}` `${_f}`
!macroend
