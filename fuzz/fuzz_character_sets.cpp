// Any bytes through every conversion to Windows-1252. The conversions work in
// place: none may grow the text or read beyond it, and the UTF-16 decoding
// must give well-formed UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "gedcom/character_set.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Converts a copy held in a buffer of exactly its size.
void ConvertCopy(const uint8_t* data, std::size_t size, quenor::CharacterSet charset) {
  std::unique_ptr<char[]> text(new char[size == 0 ? 1 : size]);
  std::memcpy(text.get(), data, size);
  const std::size_t normalized = quenor::NormalizeLineEnds(text.get(), size);
  Check(normalized <= size);
  const std::size_t converted = quenor::ConvertToCp1252(text.get(), normalized, charset);
  Check(converted <= normalized);
  if (charset == quenor::CharacterSet::Ansi || charset == quenor::CharacterSet::Oem) Check(converted == normalized);
}

bool IsAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  (void)quenor::DetectByteOrderMark(bytes);
  (void)quenor::DetectCharacterSet(bytes);
  for (const auto charset : {quenor::CharacterSet::Ansi, quenor::CharacterSet::Oem, quenor::CharacterSet::Ansel,
                             quenor::CharacterSet::Utf8}) {
    ConvertCopy(data, size, charset);
  }
  for (const bool bigEndian : {false, true}) {
    const std::string utf8 = quenor::DecodeUtf16ToUtf8(bytes, bigEndian);
    Check(IsAscii(utf8) || quenor::IsUtf8WithNonAscii(utf8));
  }
  return 0;
}
