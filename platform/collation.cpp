#include "platform/collation.h"

#include <unicode/ucol.h>
#include <unicode/ucoleitr.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "platform/cp1252.h"

namespace quenor {
namespace {

constexpr const char* kDefaultLocale = "fr";

// The UTF-16 unit of every Windows-1252 byte.
const std::array<UChar, 256>& Utf16Units() {
  static const std::array<UChar, 256> units = [] {
    std::array<UChar, 256> table{};
    for (int b = 0; b < 256; ++b) table[b] = static_cast<UChar>(CodePointOfCp1252(static_cast<unsigned char>(b)));
    return table;
  }();
  return units;
}

// The text as UTF-16, in `units` (resized to fit).
void ToUtf16(std::string_view text, std::vector<UChar>& units) {
  const std::array<UChar, 256>& table = Utf16Units();
  units.resize(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) units[i] = table[static_cast<unsigned char>(text[i])];
}

// The weights of each Windows-1252 character alone, as the collation gives
// them: its primary weight bytes and its secondary weight bytes, zero bytes
// left out (weights never hold one). A key made of the primary bytes of
// every character, a 01 byte, then their secondary bytes, orders texts as
// the collation's own keys at secondary strength do, as long as no
// characters weigh differently together.
class QuickWeights {
 public:
  // Empty when the collation weighs secondary differences from the end.
  static std::shared_ptr<const QuickWeights> Of(const UCollator* collator);

  bool Append(std::string_view text, std::string& keys) const {
    std::size_t primaryLength = 0;
    std::size_t secondaryLength = 0;
    for (char c : text) {
      const Weights& w = weights_[static_cast<unsigned char>(c)];
      if (!w.known) return false;
      primaryLength += w.primaryLength;
      secondaryLength += w.secondaryLength;
    }
    // Each character's weights are copied eight bytes at a time, the next
    // character's overwriting what lies past the end of its own.
    const std::size_t start = keys.size();
    keys.resize(start + primaryLength + 1 + secondaryLength + sizeof(uint64_t));
    char* out = keys.data() + start;
    for (char c : text) {
      const Weights& w = weights_[static_cast<unsigned char>(c)];
      std::memcpy(out, &w.primary, sizeof w.primary);
      out += w.primaryLength;
    }
    *out++ = '\x01';
    for (char c : text) {
      const Weights& w = weights_[static_cast<unsigned char>(c)];
      std::memcpy(out, &w.secondary, sizeof w.secondary);
      out += w.secondaryLength;
    }
    keys.resize(static_cast<std::size_t>(out - keys.data()));
    return true;
  }

 private:
  // Up to eight weight bytes of each level, in key order; a character that
  // has more has no quick key.
  struct Weights {
    uint64_t primary = 0;
    uint64_t secondary = 0;
    uint8_t primaryLength = 0;
    uint8_t secondaryLength = 0;
    bool known = false;
  };
  static Weights Pack(const std::string& primary, const std::string& secondary);

  std::array<Weights, 256> weights_{};
};

QuickWeights::Weights QuickWeights::Pack(const std::string& primary, const std::string& secondary) {
  Weights w;
  if (primary.size() > sizeof w.primary || secondary.size() > sizeof w.secondary) return w;
  std::memcpy(&w.primary, primary.data(), primary.size());
  std::memcpy(&w.secondary, secondary.data(), secondary.size());
  w.primaryLength = static_cast<uint8_t>(primary.size());
  w.secondaryLength = static_cast<uint8_t>(secondary.size());
  w.known = true;
  return w;
}

// The two bytes of a 16-bit part of a collation element, zeros left out.
void AppendWeightBytes(uint32_t part, std::string& bytes) {
  if ((part >> 8) != 0) bytes.push_back(static_cast<char>(part >> 8));
  if ((part & 0xFF) != 0) bytes.push_back(static_cast<char>(part & 0xFF));
}

std::shared_ptr<const QuickWeights> QuickWeights::Of(const UCollator* collator) {
  UErrorCode status = U_ZERO_ERROR;
  if (ucol_getAttribute(collator, UCOL_FRENCH_COLLATION, &status) == UCOL_ON || U_FAILURE(status)) return nullptr;
  auto weights = std::make_shared<QuickWeights>();
  for (int b = 1; b < 256; ++b) {
    const UChar unit = Utf16Units()[static_cast<std::size_t>(b)];
    status = U_ZERO_ERROR;
    UCollationElements* elements = ucol_openElements(collator, &unit, 1, &status);
    if (U_FAILURE(status)) continue;
    std::string primary;
    std::string secondary;
    for (int32_t element = ucol_next(elements, &status); element != UCOL_NULLORDER && U_SUCCESS(status);
         element = ucol_next(elements, &status)) {
      const auto bits = static_cast<uint32_t>(element);
      AppendWeightBytes(bits >> 16, primary);
      if (((bits >> 8) & 0xFF) != 0) secondary.push_back(static_cast<char>(bits >> 8));
    }
    if (U_SUCCESS(status)) weights->weights_[static_cast<std::size_t>(b)] = Pack(primary, secondary);
    ucol_closeElements(elements);
  }
  return weights;
}

class IcuCollation : public Collation {
 public:
  IcuCollation(UCollator* collator, std::shared_ptr<const QuickWeights> quick)
      : collator_(collator), quick_(std::move(quick)) {}
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

  bool AppendQuickSortKey(std::string_view text, std::string& keys) const override {
    return quick_ != nullptr && quick_->Append(text, keys);
  }

  int Compare(std::string_view a, std::string_view b) const override {
    ToUtf16(a, units_);
    ToUtf16(b, otherUnits_);
    const UCollationResult result = ucol_strcoll(collator_, units_.data(), static_cast<int32_t>(units_.size()),
                                                 otherUnits_.data(), static_cast<int32_t>(otherUnits_.size()));
    return result == UCOL_LESS ? -1 : result == UCOL_EQUAL ? 0 : 1;
  }

  std::unique_ptr<Collation> Clone() const override;

 private:
  UCollator* collator_;
  std::shared_ptr<const QuickWeights> quick_;
  // Work buffers, reused from one key to the next.
  mutable std::vector<UChar> units_;
  mutable std::vector<UChar> otherUnits_;
  mutable std::vector<uint8_t> key_ = std::vector<uint8_t>(512);
};

// Used only when ICU cannot open even its root rules: lower-cased bytes.
class ByteCollation : public Collation {
 public:
  std::unique_ptr<Collation> Clone() const override { return std::make_unique<ByteCollation>(); }

  bool AppendQuickSortKey(std::string_view text, std::string& keys) const override {
    AppendSortKey(text, keys);
    return true;
  }

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

std::unique_ptr<Collation> IcuCollation::Clone() const {
  UErrorCode status = U_ZERO_ERROR;
  UCollator* copy = ucol_clone(collator_, &status);
  if (U_FAILURE(status) || copy == nullptr) throw std::bad_alloc();
  return std::make_unique<IcuCollation>(copy, quick_);
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
  return std::make_unique<IcuCollation>(collator, QuickWeights::Of(collator));
}

}  // namespace quenor
