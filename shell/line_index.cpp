#include "shell/line_index.h"

#include <algorithm>
#include <cstring>

namespace quenor {

LineIndex::LineIndex(std::string_view text) : text_(text) {
  starts_.reserve(text.size() / 64 + 1);
  starts_.push_back(0);
  const char* begin = text.data();
  const char* end = begin + text.size();
  const char* p = begin;
  while (p < end) {
    const void* found = std::memchr(p, '\n', static_cast<std::size_t>(end - p));
    if (found == nullptr) break;
    p = static_cast<const char*>(found) + 1;
    if (p < end) starts_.push_back(p - begin);
  }
  for (int64_t line = 0; line < LineCount(); ++line) longest_ = std::max(longest_, LineLength(line));
}

int64_t LineIndex::LineLength(int64_t line) const {
  const int64_t start = LineStart(line);
  int64_t end = line + 1 < LineCount() ? LineStart(line + 1) : static_cast<int64_t>(text_.size());
  if (end > start && text_[static_cast<std::size_t>(end - 1)] == '\n') --end;
  if (end > start && text_[static_cast<std::size_t>(end - 1)] == '\r') --end;
  return end - start;
}

int64_t LineIndex::LineOf(int64_t position) const {
  if (starts_.empty()) return 0;
  const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
  return std::max<int64_t>(0, (after - starts_.begin()) - 1);
}

}  // namespace quenor
