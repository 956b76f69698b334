#pragma once
#include <string>

// The logon task of the user who runs this program (LogonTaskDefinition.h),
// in the Task Scheduler of Windows Vista and later, through its COM
// interfaces. Where the scheduler cannot be reached (XP, its service
// stopped), the user has no task and none can be made.

// Whether the user has the task. A task the scheduler will not show to this
// copy counts too: it is there, and only an administrator may read it.
bool LogonTaskRegistered();

// Registers the user's task for the program at `exePath`, started in the
// program's own folder, replacing an earlier one. Needs administrator rights.
// False when the scheduler refused it.
bool RegisterLogonTask(const std::wstring& exePath);

enum class LogonTaskRemoval {
    Removed,     // or there was none
    NeedsRights, // the scheduler refused it to this copy's rights
    Failed,
};
LogonTaskRemoval RemoveLogonTask();
