#include "fanchart/field_clamps.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>

namespace quenor {
namespace {

constexpr int kFewestGenerations = 4;
constexpr int kMostGenerations = 12;
constexpr double kSmallestScale = 0.3;
constexpr double kLargestScale = 2.0;

std::string_view SkipLeadingBlanks(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
  return text.substr(start);
}

// Splits off a leading '+' or '-'; true when the number is negative.
bool TakeSign(std::string_view& text) {
  if (text.empty() || (text[0] != '+' && text[0] != '-')) return false;
  bool negative = text[0] == '-';
  text.remove_prefix(1);
  return negative;
}

}  // namespace

long LeadingInteger(std::string_view text) {
  text = SkipLeadingBlanks(text);
  bool negative = TakeSign(text);
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    int digit = c - '0';
    if (value > (LONG_MAX - digit) / 10) return negative ? LONG_MIN : LONG_MAX;
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

double LeadingNumber(std::string_view text) {
  text = SkipLeadingBlanks(text);
  bool negative = TakeSign(text);
  if (text.empty() || text[0] == '+' || text[0] == '-') return 0.0;
  double value = 0.0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), value,
                                std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) value = HUGE_VAL;
  else if (result.ec != std::errc()) return 0.0;
  return negative ? -value : value;
}

std::optional<std::string> ClampGenerationsText(std::string_view text) {
  long value = LeadingInteger(text);
  if (value < kFewestGenerations) return std::to_string(kFewestGenerations);
  if (value > kMostGenerations) return std::to_string(kMostGenerations);
  return std::nullopt;
}

std::optional<std::string> ClampFirstNumberText(std::string_view text) {
  if (LeadingInteger(text) < 1) return std::string("1");
  return std::nullopt;
}

std::optional<std::string> ClampScaleText(std::string_view text) {
  double value = LeadingNumber(text);
  if (value < kSmallestScale || std::isnan(value)) return std::string("0.30");
  if (value > kLargestScale) return std::string("2.00");
  return std::nullopt;
}

std::string FormatFixed(double value, int precision, int width) {
  char buffer[512];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, precision);
  std::string text = result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string("0");
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
  return text;
}

}  // namespace quenor
