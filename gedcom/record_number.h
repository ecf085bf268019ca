#pragma once
// Numbers of identifiers and pointers: the first run of decimal digits on the
// line, read with saturation so that an over-long run never wraps around.
#include <cstdint>

namespace quenor {

// Value of the first run of digits from `text` up to the end of its line (a
// line feed or NUL). 0 when the line has no digit; INT32_MAX when the run is
// too long for 32 bits.
int32_t ReadRecordNumber(const char* text);

// The number of a record: read from the fourth character of its level-0 line
// (after "0 @").
int32_t RecordNumberOf(const char* recordText);

}  // namespace quenor
