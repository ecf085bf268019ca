#pragma once
// Locale-aware ordering of Windows-1252 texts, as the alphabetical list
// sorts its names: case ignored, accented letters with their base letters,
// blanks and punctuation (hyphens, apostrophes) compared as symbols.
#include <memory>
#include <string>
#include <string_view>

namespace quenor {

class Collation {
 public:
  virtual ~Collation() = default;

  // Appends the sort key of a Windows-1252 text to `keys`. Keys compare byte
  // by byte as unsigned bytes, a key that is a prefix of another coming first;
  // they never contain a NUL byte.
  virtual void AppendSortKey(std::string_view text, std::string& keys) const = 0;

  // <0, 0 or >0 as `a` sorts before, with or after `b`.
  int Compare(std::string_view a, std::string_view b) const;
};

// The collation locale of the user: the first set value of LC_ALL,
// LC_COLLATE and LANG, without its encoding and modifier ("fr_FR.UTF-8" gives
// "fr_FR"); French when that is empty, "C" or "POSIX".
std::string CollationLocaleFromEnvironment();
std::string CollationLocaleFrom(const char* lcAll, const char* lcCollate, const char* lang);

// The collation of `locale` (root rules when ICU does not know it). Never null.
std::unique_ptr<Collation> OpenCollation(const std::string& locale);

}  // namespace quenor
