#include "cli/terminal.h"

#include "platform/cp1252.h"
#include "platform/utf8.h"

namespace quenor {
namespace {

constexpr std::string_view kContinuationIndent = "  ";

bool IsControl(char32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F); }

// Appends one code point of a text being made safe; `previous` is the code
// point before it, so that CR LF gives one line break.
void AppendForTerminal(std::string& out, char32_t cp, char32_t previous) {
  if (cp == '\n' && previous == '\r') return;
  if (cp == '\r' || cp == '\n') {
    out.push_back('\n');
  } else if (cp == '\t') {
    out.push_back('\t');
  } else {
    AppendUtf8(out, IsControl(cp) ? kReplacementCharacter : cp);
  }
}

void Write(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fflush(stream);
}

}  // namespace

std::string TerminalTextOfCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  char32_t previous = 0;
  for (char c : text) {
    const char32_t cp = CodePointOfCp1252(static_cast<unsigned char>(c));
    AppendForTerminal(out, cp, previous);
    previous = cp;
  }
  return out;
}

std::string TerminalTextOfUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  char32_t previous = 0;
  for (std::size_t i = 0; i < text.size();) {
    const char32_t cp = DecodeUtf8At(text, i);
    AppendForTerminal(out, cp, previous);
    previous = cp;
  }
  return out;
}

std::string MessageBlock(std::string_view caption, std::string_view text) {
  std::string body = TerminalTextOfCp1252(text);
  while (!body.empty() && body.back() == '\n') body.pop_back();
  std::string block = TerminalTextOfCp1252(caption) + ": ";
  for (std::size_t start = 0;;) {
    const std::size_t end = body.find('\n', start);
    block.append(body, start, end == std::string::npos ? std::string::npos : end + 1 - start);
    if (end == std::string::npos) break;
    start = end + 1;
    if (start < body.size() && body[start] != '\n') block += kContinuationIndent;
  }
  return block + '\n';
}

void PrintStatusLine(std::string_view text) {
  if (text.empty()) return;
  Write(stdout, TerminalTextOfCp1252(text) + '\n');
}

void PrintMessageBlock(std::string_view caption, std::string_view text) {
  Write(stderr, MessageBlock(caption, text));
}

void PrintUtf8(std::FILE* stream, std::string_view text) { Write(stream, TerminalTextOfUtf8(text)); }

}  // namespace quenor
