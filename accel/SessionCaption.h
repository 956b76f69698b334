#pragma once

// Captions of the acceleration toggle; the stopped one ends in a blank.
constexpr const char kRunningCaption[] = "Status: accelerating\nPress to stop acceleration";
constexpr const char kStoppedCaption[] = "Status: stopped\nPress to start acceleration ";
