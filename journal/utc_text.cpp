#include "journal/utc_text.h"

#include <chrono>
#include <cstdio>

namespace lintra::journal {
namespace {

struct Fields {
  int year;
  unsigned month, day;
  long hours, minutes, seconds, millis;
};

Fields FieldsOf(std::int64_t utcMs) {
  using namespace std::chrono;
  const sys_time<milliseconds> time{milliseconds(utcMs)};
  const auto midnight = floor<days>(time);
  const year_month_day date(midnight);
  const hh_mm_ss clock(time - midnight);
  return {static_cast<int>(date.year()),
          static_cast<unsigned>(date.month()),
          static_cast<unsigned>(date.day()),
          static_cast<long>(clock.hours().count()),
          static_cast<long>(clock.minutes().count()),
          static_cast<long>(clock.seconds().count()),
          static_cast<long>(clock.subseconds().count())};
}

}  // namespace

std::string IsoUtc(std::int64_t utcMs) {
  const Fields f = FieldsOf(utcMs);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02ld:%02ld:%02ld.%03ldZ", f.year, f.month, f.day, f.hours,
                f.minutes, f.seconds, f.millis);
  return text;
}

std::string CompactUtc(std::int64_t utcMs) {
  const Fields f = FieldsOf(utcMs);
  char text[32];
  std::snprintf(text, sizeof text, "%04d%02u%02uT%02ld%02ld%02ldZ", f.year, f.month, f.day, f.hours, f.minutes,
                f.seconds);
  return text;
}

}  // namespace lintra::journal
