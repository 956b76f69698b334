#pragma once
#include "settings/IniFile.h"
#include <cstdint>
#include <string>

// The settings of the traffic-capture view, kept in the INI file beside the
// executable. This program has no such view: the values are read (and put
// right) when the object is made and all written back when it goes, so they
// survive from one run to the next and hand-edits are normalised.
// The one object is `theSettings`; the key list lives in Settings.cpp.
class CSettings : public CIniFile {
public:
    CSettings();
    explicit CSettings(std::string fileName);
    ~CSettings() override;

    CSettings(const CSettings&) = delete;
    CSettings& operator=(const CSettings&) = delete;

    // [main]
    int m_nAlwaysOnTop = 0;
    int m_nResolveHostNames = 0;
    int m_nResolvePortNames = 0;
    std::uint32_t m_dwIdleTime = 0; // milliseconds; the file holds seconds
    // [filters]
    int m_nFilterUdp = 0;
    int m_nFilterTcp = 0;
    int m_nFilterIcmp = 0;
    // [mainwindow]: placement of the capture window, -1 while never placed
    int m_nWindowStatus = 0;
    int m_nWindowTop = 0;
    int m_nWindowBottom = 0;
    int m_nWindowLeft = 0;
    int m_nWindowRight = 0;
    // [list]: column widths of the traffic list
    int m_nColumnSourceAddress = 0;
    int m_nColumnDestinationAddress = 0;
    int m_nColumnSourcePort = 0;
    int m_nColumnDestinationPort = 0;
    int m_nColumnProtocol = 0;
    int m_nColumnTraffic = 0;
    int m_nColumnBs = 0;
    int m_nColumnAbs = 0;
    // [log]
    int m_nUseLogFile = 0;
    int m_nAutoDeleteLog = 0;
    int m_nLogSizeLimit = 0; // megabytes
    int m_nLogType = 0;
    std::string m_strLogFile;

private:
    void ReadAll();
    void WriteAll() const;
};

extern CSettings theSettings;
