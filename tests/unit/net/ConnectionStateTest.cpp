#include "net/ConnectionState.h"
#include <gtest/gtest.h>
#include <wininet.h>

namespace {

BOOL s_connected;
DWORD s_flags;

BOOL WINAPI FakeConnectedState(LPDWORD flags, DWORD reserved)
{
    EXPECT_EQ(reserved, 0u);
    *flags = s_flags;
    return s_connected;
}

} // namespace

TEST(ConnectionState, TextsFollowEachAnswer)
{
    const PFN_INTERNETGETCONNECTEDSTATE platform = g_pfnInternetGetConnectedState;
    g_pfnInternetGetConnectedState = FakeConnectedState;
    std::string status;
    std::string type;

    s_connected = TRUE;
    s_flags = INTERNET_CONNECTION_LAN | INTERNET_CONNECTION_PROXY | INTERNET_RAS_INSTALLED;
    UpdateConnectionTexts(status, type);
    EXPECT_EQ(status, " Connected");
    EXPECT_EQ(type, " LAN  Proxy ");

    s_connected = FALSE;
    s_flags = INTERNET_RAS_INSTALLED;
    UpdateConnectionTexts(status, type);
    EXPECT_EQ(status, "N/A");
    EXPECT_EQ(type, " LAN  Proxy ");

    g_pfnInternetGetConnectedState = platform;
}
