// UTF-16 file text decoded to UTF-8, before the header is read.
#include "gedcom/character_set.h"
#include "platform/utf8.h"

namespace quenor {
namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Reads the 16-bit units of the text in the order of its byte order mark.
class UnitReader {
 public:
  UnitReader(std::string_view bytes, bool bigEndian) : bytes_(bytes), bigEndian_(bigEndian) {}
  bool HasUnit() const { return position_ + 1 < bytes_.size(); }
  bool HasOddByteLeft() const { return position_ < bytes_.size() && !HasUnit(); }
  char16_t Peek() const {
    const auto first = static_cast<unsigned char>(bytes_[position_]);
    const auto second = static_cast<unsigned char>(bytes_[position_ + 1]);
    return static_cast<char16_t>(bigEndian_ ? (first << 8) | second : (second << 8) | first);
  }
  char16_t Take() {
    const char16_t unit = Peek();
    position_ += 2;
    return unit;
  }

 private:
  std::string_view bytes_;
  bool bigEndian_;
  std::size_t position_ = 0;
};

}  // namespace

std::string DecodeUtf16ToUtf8(std::string_view bytes, bool bigEndian) {
  std::string out;
  out.reserve(bytes.size());
  UnitReader units(bytes, bigEndian);
  while (units.HasUnit()) {
    const char16_t unit = units.Take();
    if (!IsHighSurrogate(unit) && !IsLowSurrogate(unit)) {
      AppendUtf8(out, unit);
    } else if (IsHighSurrogate(unit) && units.HasUnit() && IsLowSurrogate(units.Peek())) {
      const char16_t low = units.Take();
      AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00));
    } else {
      out.push_back('?');  // a surrogate without its partner
    }
  }
  if (units.HasOddByteLeft()) out.push_back('?');
  return out;
}

}  // namespace quenor
