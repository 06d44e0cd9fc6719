#include "platform/clock.h"

#include <chrono>
#include <mutex>
#include <random>
#include <thread>

namespace {
int64_t g_fixedLocalDate = 0;
}

int64_t MillisecondClock() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t LocalDateFromTime(time_t utc) {
  struct tm local {};
  localtime_r(&utc, &local);
  return int64_t(timegm(&local));
}

time_t TimeFromLocalDate(int64_t localDate) {
  const time_t asUtc = time_t(localDate);
  struct tm fields {};
  gmtime_r(&asUtc, &fields);
  fields.tm_isdst = -1;
  return mktime(&fields);
}

int64_t LocalDateNow() {
  if (g_fixedLocalDate) return g_fixedLocalDate;
  return LocalDateFromTime(time(nullptr));
}

struct tm LocalCalendarNow() {
  const time_t now = time(nullptr);
  struct tm local {};
  localtime_r(&now, &local);
  return local;
}

void SleepMilliseconds(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

int32_t RandomInteger(int32_t low, int32_t high) {
  static std::mutex mutex;
  static std::mt19937 engine{std::random_device{}()};
  std::lock_guard lock(mutex);
  return std::uniform_int_distribution<int32_t>(low, high)(engine);
}

void SetFixedLocalDateForTesting(int64_t localDate) { g_fixedLocalDate = localDate; }
