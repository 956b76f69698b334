// The parser's one tie to Win32: where the executable lies.
#include "framework/ModulePath.h"
#include "settings/ServicesParser.h"

CServicesParser::CServicesParser()
    : CServicesParser(PathBeside(GetModulePath(), "services"))
{
}
