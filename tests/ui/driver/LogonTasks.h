#pragma once
#include <string>

// Tasks of the Task Scheduler, seen from outside. Wine's scheduler keeps each
// task of its root folder as a file of the task's name in the system's Tasks
// folder, and never runs one: a task's presence is its file.
namespace driver {

// The current user's logon task of Corvane's: "Corvane <the user's SID>".
std::string CurrentUserTaskName();
// The name of another user's logon task of Corvane's.
std::string OtherUserTaskName();
// The file of a task of the root folder.
std::string TaskFile(const std::string& name);
bool TaskExists(const std::string& name);
// Registers a task of that name through the scheduler, one that starts
// `program` at logon; false when the scheduler refuses it.
bool RegisterTask(const std::string& name, const std::string& program);
// Removes a task's file, read-only or not, behind the scheduler's back.
void RemoveTask(const std::string& name);

} // namespace driver
