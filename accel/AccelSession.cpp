#include "accel/AccelSession.h"
#include "accel/SocketCalls.h"

void CAccelSession::CloseSocket()
{
    g_pfnCloseSocket(m_hSocket);
}
