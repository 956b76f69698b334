#include "accel/AccelSession.h"
#include "accel/SocketCalls.h"

void CAccelSession::CloseSocket()
{
    if (m_hSocket != INVALID_SOCKET)
        g_pfnCloseSocket(m_hSocket);
}
