#pragma once
// Time sources. Date values count seconds since 1970-01-01 00:00:00 in local
// wall-clock time, so they read the same as the clock on the wall.
#include <cstdint>
#include <ctime>

int64_t MillisecondClock();  // monotonic
int64_t LocalDateNow();
int64_t LocalDateFromTime(time_t utc);
time_t TimeFromLocalDate(int64_t localDate);
// The current local calendar time, for the naming variables.
struct tm LocalCalendarNow();
void SleepMilliseconds(int milliseconds);
// Uniform random integer in [low, high].
int32_t RandomInteger(int32_t low, int32_t high);

// Tests fix "now" with this; 0 restores the real clock.
void SetFixedLocalDateForTesting(int64_t localDate);
