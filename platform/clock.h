#pragma once
// The calendar date of the day, as the run date and the printed charts use it.
#include <string>

namespace quenor {

struct CalendarDate {
  int year = 1970;
  int month = 1;
  int day = 1;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual CalendarDate TodayUtc() const = 0;
  virtual CalendarDate TodayLocal() const = 0;
};

class SystemClock : public Clock {
 public:
  CalendarDate TodayUtc() const override;
  CalendarDate TodayLocal() const override;
};

// A clock that always answers the same day, for tests and reproducible output.
class FixedClock : public Clock {
 public:
  explicit FixedClock(CalendarDate date) : date_(date) {}
  CalendarDate TodayUtc() const override { return date_; }
  CalendarDate TodayLocal() const override { return date_; }

 private:
  CalendarDate date_;
};

// "%04d-%02d-%02d"
std::string FormatRunDate(const CalendarDate& date);

}  // namespace quenor
