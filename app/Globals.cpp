// The process-wide objects whose construction order matters live in this one
// file: C++ constructs them in the order they are defined here and destroys
// them in reverse, so the INI file is written first at exit and the
// application object goes last. The tray's two (g_nTaskbarCreatedMsg and
// g_wndTrayOwner) live with the tray code, in an order of the linker's: they
// need none of these and none of these needs them before the window runs.
#include "app/MorvishApp.h"
#include "settings/ServicesParser.h"
#include "settings/Settings.h"

CMorvishApp theApp;
CServicesParser theServices;
CSettings theSettings;
