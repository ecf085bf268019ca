// Fuzz target: any bytes read as the rich text of the user guide.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "shell/rtf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const quenor::RtfDocument document = quenor::ParseRtf(std::string_view(reinterpret_cast<const char*>(data), size));
  std::size_t characters = 0;
  for (const quenor::RtfParagraph& paragraph : document.paragraphs) {
    for (const quenor::RtfRun& run : paragraph.runs) characters += run.text.size();
  }
  // Every character comes from at least one byte of the input, and some
  // escapes (\u8212?) make up to three bytes of UTF-8 from a few of it.
  if (characters > 3 * size + 3) std::abort();
  (void)document.PlainText();
  return 0;
}
