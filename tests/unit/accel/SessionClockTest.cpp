#include "accel/SessionClock.h"
#include <gtest/gtest.h>

namespace {

struct Clock {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;

    std::string Run(int ticks)
    {
        for (int i = 0; i < ticks; ++i)
            AdvanceClock(hours, minutes, seconds);
        return FormatClock(hours, minutes, seconds);
    }
};

} // namespace

TEST(SessionClock, SessionsAddUpAcrossAPause)
{
    // 90 s on, a stop (no ticks arrive), 10 s on.
    Clock clock;
    EXPECT_EQ(clock.Run(90), "  0 hrs :  1 mins : 30 secs");
    EXPECT_EQ(clock.Run(10), "  0 hrs :  1 mins : 40 secs");
}

TEST(SessionClock, FirstTickAndTheHourRollOver)
{
    // The initial text has one blank before the hours; every tick's text has
    // the format's blank and a field of two.
    Clock clock;
    EXPECT_EQ(clock.Run(1), "  0 hrs :  0 mins :  1 secs");
    EXPECT_EQ(clock.Run(3598), "  0 hrs : 59 mins : 59 secs");
    EXPECT_EQ(clock.Run(1), "  1 hrs :  0 mins :  0 secs");
}

TEST(SessionClock, HoursNeverRollOverAndWidenTheField)
{
    Clock clock;
    EXPECT_EQ(clock.Run(360000), " 100 hrs :  0 mins :  0 secs");
    EXPECT_EQ(clock.hours, 100);
}
