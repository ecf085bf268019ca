#include "gedcom/record_number.h"

#include <limits>

namespace quenor {

int32_t ReadRecordNumber(const char* text) {
  const char* p = text;
  while (*p != '\0' && *p != '\n' && (*p < '0' || *p > '9')) ++p;
  int64_t value = 0;
  constexpr int64_t kLimit = std::numeric_limits<int32_t>::max();
  while (*p >= '0' && *p <= '9') {
    value = value * 10 + (*p - '0');
    if (value > kLimit) value = kLimit;
    ++p;
  }
  return static_cast<int32_t>(value);
}

int32_t RecordNumberOf(const char* recordText) {
  // A record text shorter than "0 @" has no number.
  if (recordText[0] == '\0' || recordText[1] == '\0' || recordText[2] == '\0') return 0;
  return ReadRecordNumber(recordText + 3);
}

}  // namespace quenor
