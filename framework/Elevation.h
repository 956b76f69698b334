#pragma once

// Whether this process runs with a full administrator token (UAC's
// "elevated"). False for a standard user's token, for an administrator's
// filtered one, and where the system has no such notion (XP). Programs that
// an elevated process starts, and where it may live, follow other rules.
bool RunsElevated();

// The check RunsElevated makes. A test swaps it to reach a branch the
// machine's own token cannot give: under Wine every process is elevated.
using PFN_RUNSELEVATED = bool (*)();
extern PFN_RUNSELEVATED g_pfnRunsElevated;

// The check of this process's own token.
bool TokenIsElevated();
