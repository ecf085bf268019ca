#include "fanchart/script_output.h"

#include <charconv>
#include <string>

namespace quenor {
namespace {

constexpr std::size_t kFlushSize = 1 << 16;

}  // namespace

std::string FormatScriptReal(double value) {
  char digits[400];
  const auto result = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, 5);
  std::string text(digits, result.ptr);
  if (text.size() < 7) text.insert(0, 7 - text.size(), ' ');
  return text;
}

bool ScriptOutput::Create(const std::string& path) { return file_.Create(path); }

void ScriptOutput::Write(std::string_view pattern, std::initializer_list<ScriptValue> values) {
  const ScriptValue* value = values.begin();
  std::size_t start = 0;
  while (start < pattern.size()) {
    const std::size_t percent = pattern.find('%', start);
    Put(pattern.substr(start, percent == std::string_view::npos ? std::string_view::npos : percent - start));
    if (percent == std::string_view::npos) break;
    const std::string_view rest = pattern.substr(percent);
    const std::size_t length = rest.starts_with("%7.5f") ? 5 : 2;
    const bool hasValue = value != values.end();
    if (length == 5 && hasValue && std::holds_alternative<double>(*value)) {
      Put(FormatScriptReal(std::get<double>(*value++)));
    } else if (rest.starts_with("%d") && hasValue && std::holds_alternative<int>(*value)) {
      Put(std::to_string(std::get<int>(*value++)));
    } else if (rest.starts_with("%s") && hasValue && std::holds_alternative<std::string_view>(*value)) {
      Put(std::get<std::string_view>(*value++));
    } else if (rest.starts_with("%c") && hasValue && std::holds_alternative<char>(*value)) {
      Put(std::string_view(&std::get<char>(*value++), 1));
    } else {
      Put(rest.substr(0, std::min(length, rest.size())));
    }
    start = percent + std::min(length, rest.size());
  }
}

void ScriptOutput::Put(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t lineFeed = text.find('\n', start);
    if (lineFeed == std::string_view::npos) {
      buffer_.append(text.substr(start));
      break;
    }
    buffer_.append(text.substr(start, lineFeed - start));
    buffer_.append("\r\n");
    start = lineFeed + 1;
  }
  if (!capturing_ && buffer_.size() >= kFlushSize) Flush();
}

void ScriptOutput::Flush() {
  if (!buffer_.empty()) file_.Write(buffer_);
  buffer_.clear();
}

bool ScriptOutput::Close() {
  if (capturing_) return true;
  if (!file_.IsOpen()) return false;
  Flush();
  return file_.Commit();
}

}  // namespace quenor
