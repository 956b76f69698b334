#include "settings/Settings.h"
#include "settings/CaptureSettingsRules.h"
#include <utility>
#include <variant>

namespace {

// Where a setting lives in memory; the kind of field says how it is kept in the
// file: int as a signed decimal, the unsigned idle time in seconds (held in
// milliseconds), the text as it is.
using Field = std::variant<int CSettings::*, std::uint32_t CSettings::*, std::string CSettings::*>;

struct Setting {
    const char* section;
    const char* key;
    Field field;
    int defaultValue;        // the seconds for the idle time; unused for text (empty)
    int (*normalise)(int);   // applied right after reading; nullptr keeps the value
};

// Every key, in the order it is read and written: a file the program creates
// lists sections and keys in exactly this order (TCP before UDP).
constexpr Setting kSettings[] = {
    {"main", "alwaysontop", &CSettings::m_nAlwaysOnTop, 0, nullptr},
    {"main", "nsresolve", &CSettings::m_nResolveHostNames, 0, nullptr},
    {"main", "portresolve", &CSettings::m_nResolvePortNames, 0, nullptr},
    {"main", "idleseconds", &CSettings::m_dwIdleTime, 10, nullptr},
    {"filters", "filtertcp", &CSettings::m_nFilterTcp, 0, nullptr},
    {"filters", "filterudp", &CSettings::m_nFilterUdp, 0, nullptr},
    {"filters", "filtericmp", &CSettings::m_nFilterIcmp, 0, nullptr},
    {"mainwindow", "status", &CSettings::m_nWindowStatus, -1, nullptr},
    {"mainwindow", "top", &CSettings::m_nWindowTop, -1, nullptr},
    {"mainwindow", "bottom", &CSettings::m_nWindowBottom, -1, nullptr},
    {"mainwindow", "left", &CSettings::m_nWindowLeft, -1, nullptr},
    {"mainwindow", "right", &CSettings::m_nWindowRight, -1, nullptr},
    {"list", "srcaddr", &CSettings::m_nColumnSourceAddress, 120, nullptr},
    {"list", "destaddr", &CSettings::m_nColumnDestinationAddress, 120, nullptr},
    {"list", "srcport", &CSettings::m_nColumnSourcePort, 80, nullptr},
    {"list", "destport", &CSettings::m_nColumnDestinationPort, 80, nullptr},
    {"list", "proto", &CSettings::m_nColumnProtocol, 50, nullptr},
    {"list", "traffic", &CSettings::m_nColumnTraffic, 100, nullptr},
    {"list", "bs", &CSettings::m_nColumnBs, 80, nullptr},
    {"list", "abs", &CSettings::m_nColumnAbs, 80, nullptr},
    {"log", "uselogfile", &CSettings::m_nUseLogFile, 0, nullptr},
    {"log", "autodelete", &CSettings::m_nAutoDeleteLog, 0, nullptr},
    {"log", "mbdelete", &CSettings::m_nLogSizeLimit, 1, &NormaliseLogSizeLimit},
    {"log", "logtype", &CSettings::m_nLogType, 0, &NormaliseLogType},
    {"log", "logfile", &CSettings::m_strLogFile, 0, nullptr},
};

struct Reader {
    CSettings& settings;
    const Setting& setting;

    void operator()(int CSettings::*field) const
    {
        const int value = settings.ReadIniInt(setting.section, setting.key, setting.defaultValue);
        settings.*field = setting.normalise != nullptr ? setting.normalise(value) : value;
    }
    void operator()(std::uint32_t CSettings::*field) const
    {
        settings.*field = IdleSecondsToMilliseconds(
            settings.ReadIniUInt(setting.section, setting.key, static_cast<std::uint32_t>(setting.defaultValue)));
    }
    void operator()(std::string CSettings::*field) const
    {
        settings.*field = settings.ReadIniString(setting.section, setting.key, "");
    }
};

struct Writer {
    const CSettings& settings;
    const Setting& setting;

    void operator()(int CSettings::*field) const
    {
        settings.WriteIniInt(setting.section, setting.key, settings.*field);
    }
    void operator()(std::uint32_t CSettings::*field) const
    {
        settings.WriteIniUInt(setting.section, setting.key, IdleMillisecondsToSeconds(settings.*field));
    }
    void operator()(std::string CSettings::*field) const
    {
        // An empty path is written as an empty value: a null text would remove the key.
        settings.WriteIniString(setting.section, setting.key, (settings.*field).c_str());
    }
};

} // namespace

CSettings::CSettings()
{
    ReadAll();
}

CSettings::CSettings(std::string fileName)
    : CIniFile(std::move(fileName))
{
    ReadAll();
}

CSettings::~CSettings()
{
    WriteAll();
}

void CSettings::ReadAll()
{
    for (const Setting& setting : kSettings)
        std::visit(Reader{*this, setting}, setting.field);
}

void CSettings::WriteAll() const
{
    for (const Setting& setting : kSettings)
        std::visit(Writer{*this, setting}, setting.field);
}
