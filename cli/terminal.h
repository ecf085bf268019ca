#pragma once
// Everything quenor-cli prints goes through here, so that every command
// writes the same way: UTF-8 only, each carriage return (alone or before a
// line feed) as a line break, and no other control character, so that no
// text from a file can move the cursor or change the terminal's state.
#include <cstdio>
#include <string>
#include <string_view>

namespace quenor {

// The text as a terminal shows it: control characters other than line feed
// and tab become U+FFFD, as do malformed UTF-8 sequences.
std::string TerminalTextOfCp1252(std::string_view text);
std::string TerminalTextOfUtf8(std::string_view text);

// A message box as one block: "caption: text", the text's further lines
// indented under it (empty lines stay empty). Both are Windows-1252.
std::string MessageBlock(std::string_view caption, std::string_view text);

// Writes a status or result line (Windows-1252) on standard output.
void PrintStatusLine(std::string_view text);
// Writes a message block on standard error.
void PrintMessageBlock(std::string_view caption, std::string_view text);
// Writes the program's own UTF-8 text (help, usage) as it stands, made safe.
void PrintUtf8(std::FILE* stream, std::string_view text);

}  // namespace quenor
