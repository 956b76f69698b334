#include "accel/SessionClock.h"
#include <cstdio>

void AdvanceClock(int& hours, int& minutes, int& seconds)
{
    if (++seconds == 60) {
        seconds = 0;
        ++minutes;
    }
    if (minutes == 60) {
        minutes = 0;
        ++hours;
    }
}

std::string FormatClock(int hours, int minutes, int seconds)
{
    // Room for three numbers of any int width.
    char text[64];
    std::snprintf(text, sizeof text, " %2d hrs : %2d mins : %2d secs", hours, minutes, seconds);
    return text;
}
