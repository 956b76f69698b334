// The process-wide objects whose construction order matters live in this one
// file: C++ constructs them in the order they are defined here and destroys
// them in reverse, so the INI file is written first at exit and the
// application object goes last.
#include "app/MorvishApp.h"
#include "settings/ServicesParser.h"
#include "settings/Settings.h"

CMorvishApp theApp;
CServicesParser theServices;
CSettings theSettings;
