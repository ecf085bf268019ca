#include "platform/collation.h"

#include <unicode/ucol.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/cp1252.h"

namespace quenor {
namespace {

constexpr const char* kDefaultLocale = "fr";

// The text as UTF-16, in `units` (resized to fit).
void ToUtf16(std::string_view text, std::vector<UChar>& units) {
  units.resize(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    units[i] = static_cast<UChar>(CodePointOfCp1252(static_cast<unsigned char>(text[i])));
  }
}

class IcuCollation : public Collation {
 public:
  explicit IcuCollation(UCollator* collator) : collator_(collator) {}
  ~IcuCollation() override { ucol_close(collator_); }
  IcuCollation(const IcuCollation&) = delete;
  IcuCollation& operator=(const IcuCollation&) = delete;

  void AppendSortKey(std::string_view text, std::string& keys) const override {
    ToUtf16(text, units_);
    const auto length = static_cast<int32_t>(units_.size());
    int32_t needed = ucol_getSortKey(collator_, units_.data(), length, key_.data(), static_cast<int32_t>(key_.size()));
    if (needed > static_cast<int32_t>(key_.size())) {
      key_.resize(static_cast<std::size_t>(needed));
      needed = ucol_getSortKey(collator_, units_.data(), length, key_.data(), needed);
    }
    // The key ends with a NUL byte, which is left out.
    if (needed > 1) keys.append(reinterpret_cast<const char*>(key_.data()), static_cast<std::size_t>(needed - 1));
  }

 private:
  UCollator* collator_;
  // Work buffers, reused from one key to the next.
  mutable std::vector<UChar> units_;
  mutable std::vector<uint8_t> key_ = std::vector<uint8_t>(512);
};

// Used only when ICU cannot open even its root rules: lower-cased bytes.
class ByteCollation : public Collation {
 public:
  void AppendSortKey(std::string_view text, std::string& keys) const override {
    for (char c : text) {
      const char lower = LowerCp1252(c);
      keys.push_back(lower == '\0' ? '\x01' : lower);
    }
  }
};

UCollator* OpenIcuCollator(const char* locale) {
  UErrorCode status = U_ZERO_ERROR;
  UCollator* collator = ucol_open(locale, &status);
  if (U_FAILURE(status)) return nullptr;
  // Case is ignored, accents are not; blanks and punctuation are symbols.
  ucol_setAttribute(collator, UCOL_STRENGTH, UCOL_SECONDARY, &status);
  ucol_setAttribute(collator, UCOL_ALTERNATE_HANDLING, UCOL_NON_IGNORABLE, &status);
  if (U_FAILURE(status)) {
    ucol_close(collator);
    return nullptr;
  }
  return collator;
}

// "fr_FR.UTF-8@euro" -> "fr_FR"
std::string WithoutEncodingAndModifier(std::string_view value) {
  const std::size_t cut = value.find_first_of(".@");
  return std::string(value.substr(0, cut));
}

}  // namespace

int Collation::Compare(std::string_view a, std::string_view b) const {
  std::string keyA;
  std::string keyB;
  AppendSortKey(a, keyA);
  AppendSortKey(b, keyB);
  return keyA.compare(keyB);
}

std::string CollationLocaleFrom(const char* lcAll, const char* lcCollate, const char* lang) {
  for (const char* value : {lcAll, lcCollate, lang}) {
    if (value == nullptr || *value == '\0') continue;
    const std::string locale = WithoutEncodingAndModifier(value);
    if (locale.empty() || locale == "C" || locale == "POSIX") return kDefaultLocale;
    return locale;
  }
  return kDefaultLocale;
}

std::string CollationLocaleFromEnvironment() {
  return CollationLocaleFrom(std::getenv("LC_ALL"), std::getenv("LC_COLLATE"), std::getenv("LANG"));
}

std::unique_ptr<Collation> OpenCollation(const std::string& locale) {
  UCollator* collator = OpenIcuCollator(locale.c_str());
  if (collator == nullptr) collator = OpenIcuCollator("");
  if (collator == nullptr) return std::make_unique<ByteCollation>();
  return std::make_unique<IcuCollation>(collator);
}

}  // namespace quenor
