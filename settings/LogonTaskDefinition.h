#pragma once
#include <string>

// The logon task that starts Corvane with the highest rights its user holds,
// as the Task Scheduler reads it: XML text, in UTF-16 as its interfaces take
// it. Only a copy that runs elevated from a protected folder registers it,
// since the scheduler then starts that file with those rights at every logon
// without asking anyone.

// "Corvane <SID>": one task for each user. A SID holds no backslash, which
// the scheduler would read as a folder. The uninstaller of the all-users
// installation finds every user's task by this form of name.
std::wstring LogonTaskName(const std::wstring& userSid);

// The task for the user `userSid` (in its "S-1-5-..." form): `exePath` with
// the argument "-tray", in `workingFolder`, 30 seconds after that user logs
// on, when the notification area is there; with the highest rights the user
// holds, in the user's own session; for as long as it runs, on battery too;
// at normal priority (the scheduler's default, 7, is below normal); never a
// second copy beside a running one. Paths of any letters, spaces and
// ampersands included, are written as XML text.
std::wstring LogonTaskXml(const std::wstring& userSid, const std::wstring& exePath,
                          const std::wstring& workingFolder);
