#pragma once
#include <windows.h>

// The program's skinning layer. Once a skin file is loaded and a dialog skin
// object chosen, every dialog window the thread creates afterwards (the main
// window, the About box, message boxes) gets the object's background and text
// colours; without a readable skin file, dialogs keep the standard look.
// Calls come in this order: SkinInit, SkinLoadFile, SkinSetDialogSkin, and
// SkinExit at shutdown. No result needs checking.

BOOL SkinInit(HINSTANCE instance, const char* application, const char* reserved1, const char* reserved2);
// A bare file name is looked up in the executable's folder.
BOOL SkinLoadFile(const char* fileName);
BOOL SkinSetDialogSkin(const char* objectName);
void SkinExit();
