// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop clock reads the local time itself rather than through Qt; it must still agree with it.
#include "platform/qt/QtServices.h"

#include <QTime>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace {

TEST(QtClock, TellsTheLocalTimeOfDayInAnyZone) {
    const char* saved = std::getenv("TZ");
    const std::string before = saved ? saved : "";
    // Half-hour zones on both sides of UTC: a clock that ignored the zone, or half of it, is off.
    for (const char* zone : {"PIP-5:30", "PIP+9:30", "UTC0"}) {
        setenv("TZ", zone, 1);
        QtClock clock;
        const TimeOfDay now = clock.now();
        const int told = ((now.hour * 60 + now.minute) * 60 + now.second) * 1000 + now.millisecond;
        const int apart = std::abs(told - QTime::currentTime().msecsSinceStartOfDay());
        EXPECT_LT(std::min(apart, 86'400'000 - apart), 2000) << zone;
    }
    saved ? setenv("TZ", before.c_str(), 1) : unsetenv("TZ");
    tzset();
}

} // namespace
