#pragma once
// The character sets a generated file can be written in. The generator
// builds every line in UTF-8 and encodes it on the way out.
#include <optional>
#include <string>
#include <string_view>

namespace quenor::gedgen {

enum class OutputCharset { Utf8, Utf8WithMark, Ansel, Ansi };

// "utf8", "utf8-bom", "ansel", "ansi" (the command-line names).
std::optional<OutputCharset> ParseOutputCharset(std::string_view name);

// The value of the header's "1 CHAR" line.
std::string_view CharLineValue(OutputCharset charset);

// The bytes a file in this character set starts with (a byte order mark or nothing).
std::string_view FileStart(OutputCharset charset);

// Appends the UTF-8 text encoded in the character set. A character the set
// cannot write becomes '?'.
void AppendEncoded(std::string& out, std::string_view utf8, OutputCharset charset);

}  // namespace quenor::gedgen
