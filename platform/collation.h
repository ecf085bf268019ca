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

  // A quicker key, made character by character from the weights the
  // collation gives each character alone. Quick keys order texts as the
  // sort keys do unless some characters weigh differently together (a
  // contraction such as the Czech "ch", or accents weighed from the end as
  // in Canadian French): whoever sorts by them checks the order got with
  // Compare. False, and nothing appended, when the collation or a character
  // of the text has no quick key; texts sorted together then all take sort
  // keys. Unlike the other operations, it may be called from several
  // threads at once.
  virtual bool AppendQuickSortKey(std::string_view text, std::string& keys) const = 0;

  // A copy of this collation for another thread: one collation serves one
  // thread at a time.
  virtual std::unique_ptr<Collation> Clone() const = 0;

  // <0, 0 or >0 as `a` sorts before, with or after `b`.
  virtual int Compare(std::string_view a, std::string_view b) const;
};

// The collation locale of the user: the first set value of LC_ALL,
// LC_COLLATE and LANG, without its encoding and modifier ("fr_FR.UTF-8" gives
// "fr_FR"); French when that is empty, "C" or "POSIX".
std::string CollationLocaleFromEnvironment();
std::string CollationLocaleFrom(const char* lcAll, const char* lcCollate, const char* lang);

// The collation of `locale` (root rules when ICU does not know it). Never null.
std::unique_ptr<Collation> OpenCollation(const std::string& locale);

}  // namespace quenor
