#pragma once
// Where each line of a report text starts, found in one pass over the bytes,
// so that the viewer reaches any line at once however large the report.
// No Qt here.
#include <cstdint>
#include <string_view>
#include <vector>

namespace quenor {

class LineIndex {
 public:
  LineIndex() = default;
  explicit LineIndex(std::string_view text);

  int64_t LineCount() const { return static_cast<int64_t>(starts_.size()); }
  int64_t LineStart(int64_t line) const { return starts_[static_cast<std::size_t>(line)]; }
  // The length of a line without its CR LF (or LF).
  int64_t LineLength(int64_t line) const;
  // The line holding byte position `position` (the last line past the end).
  int64_t LineOf(int64_t position) const;
  // The length of the longest line, without line ends.
  int64_t LongestLine() const { return longest_; }

 private:
  std::string_view text_;
  std::vector<int64_t> starts_;
  int64_t longest_ = 0;
};

}  // namespace quenor
