#pragma once
#include <windows.h>

using AFX_THREADPROC = UINT (*)(LPVOID param);

// A worker thread whose object deletes itself when the thread ends; the
// starter keeps no handle of it. Returns false when the thread could not start.
bool AfxBeginThread(AFX_THREADPROC proc, LPVOID param, int priority = THREAD_PRIORITY_NORMAL,
                    UINT stackSize = 0);
