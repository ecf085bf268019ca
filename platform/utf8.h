#pragma once
// UTF-8, the encoding of the source literals, of file names and of what is
// shown outside the program: one code point at a time, malformed input
// decoded as U+FFFD.
#include <string>
#include <string_view>

namespace quenor {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Appends the UTF-8 bytes of a code point.
void AppendUtf8(std::string& out, char32_t codePoint);

// Decodes the sequence at text[i] and moves i past it. A malformed sequence
// (a stray continuation byte, a sequence cut short, an overlong form, a
// surrogate, a code point above U+10FFFF) gives U+FFFD and moves i past the
// bytes that were read as part of it, at least one.
char32_t DecodeUtf8At(std::string_view text, std::size_t& i);

}  // namespace quenor
