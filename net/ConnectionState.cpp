#include "net/ConnectionState.h"
#include "net/StatisticsText.h"
#include <wininet.h>

static_assert(kConnectionModem == INTERNET_CONNECTION_MODEM, "flag value");
static_assert(kConnectionLan == INTERNET_CONNECTION_LAN, "flag value");
static_assert(kConnectionProxy == INTERNET_CONNECTION_PROXY, "flag value");
static_assert(kConnectionOffline == INTERNET_CONNECTION_OFFLINE, "flag value");

PFN_INTERNETGETCONNECTEDSTATE g_pfnInternetGetConnectedState = ::InternetGetConnectedState;

void UpdateConnectionTexts(std::string& status, std::string& type)
{
    DWORD flags = 0;
    const bool connected = g_pfnInternetGetConnectedState(&flags, 0) != FALSE;
    ApplyConnectionState(connected, flags, status, type);
}
