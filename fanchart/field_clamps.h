#pragma once
// Reading the numeric fields of the parameter dialogs as the C conversions
// do, and bringing an out-of-range entry back to its nearest limit. A field
// is never refused: the text is replaced by the limit, written literally.
#include <optional>
#include <string>
#include <string_view>

namespace quenor {

// The leading integer of the text (leading blanks and a sign allowed), 0 when
// the text does not start with one; saturates instead of overflowing.
long LeadingInteger(std::string_view text);

// The leading decimal number of the text ("1.5cm" is 1.5), 0 when none.
// A point is the decimal separator whatever the locale.
double LeadingNumber(std::string_view text);

// The text that replaces a field left out of range, or nothing when the
// field stays as typed.
std::optional<std::string> ClampGenerationsText(std::string_view text);  // "4" .. "12"
std::optional<std::string> ClampFirstNumberText(std::string_view text);  // "1" and above
std::optional<std::string> ClampScaleText(std::string_view text);        // "0.30" .. "2.00"

// "%*.*f" with a point as the decimal separator whatever the locale.
std::string FormatFixed(double value, int precision, int width = 0);

}  // namespace quenor
