#include "platform/clock.h"

#include <cstdio>
#include <ctime>

namespace quenor {
namespace {

CalendarDate FromTm(const std::tm& tm) {
  return CalendarDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday};
}

}  // namespace

CalendarDate SystemClock::TodayUtc() const {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  gmtime_r(&now, &tm);
  return FromTm(tm);
}

CalendarDate SystemClock::TodayLocal() const {
  std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  return FromTm(tm);
}

std::string FormatRunDate(const CalendarDate& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

}  // namespace quenor
