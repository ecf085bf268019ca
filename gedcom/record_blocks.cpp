#include "gedcom/record_blocks.h"

#include <algorithm>
#include <cstring>

namespace quenor {
namespace {

// The first record start at or after `from`: a "0" right after a carriage
// return or a line feed. `raw.size()` when there is none.
std::size_t NextRecordStart(std::string_view raw, std::size_t from) {
  for (std::size_t p = std::max<std::size_t>(from, 1); p < raw.size(); ++p) {
    const void* zero = std::memchr(raw.data() + p, '0', raw.size() - p);
    if (zero == nullptr) break;
    p = static_cast<std::size_t>(static_cast<const char*>(zero) - raw.data());
    if (raw[p - 1] == '\n' || raw[p - 1] == '\r') return p;
  }
  return raw.size();
}

// A NUL inside the file would cut a line in two: it becomes a blank.
void BlankOutNuls(char* text, std::size_t length) {
  char* const end = text + length;
  for (char* p = text; (p = static_cast<char*>(std::memchr(p, '\0', static_cast<std::size_t>(end - p)))) != nullptr;) {
    *p++ = ' ';
  }
}

}  // namespace

std::vector<std::size_t> RecordBlockStarts(std::string_view raw, std::size_t blockSize) {
  blockSize = std::max<std::size_t>(blockSize, 1);
  std::vector<std::size_t> starts{0};
  // Each byte is looked at once, however long the records.
  for (std::size_t next = blockSize; next < raw.size();) {
    const std::size_t start = NextRecordStart(raw, next);
    if (start >= raw.size()) break;
    starts.push_back(start);
    next = std::max(next + blockSize, start + 1);
  }
  return starts;
}

std::size_t ConvertRecordBlock(char* text, std::size_t length, CharacterSet charset) {
  length = NormalizeLineEnds(text, length);
  length = ConvertToCp1252(text, length, charset);
  BlankOutNuls(text, length);
  if (length > 0 && text[length - 1] == '\n') {
    text[length - 1] = '\0';
  } else {
    text[length++] = '\0';
  }
  CutIntoRecords(text, length);
  return length;
}

void CutIntoRecords(char* text, std::size_t length) {
  // Written without a branch so that the compiler can treat many bytes at once.
  for (std::size_t i = 0; i + 1 < length; ++i) {
    const char c = text[i];
    text[i] = (c == '\n') & (text[i + 1] == '0') ? '\0' : c;
  }
}

}  // namespace quenor
