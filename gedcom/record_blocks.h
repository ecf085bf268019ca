#pragma once
// The text of a file cut into blocks that are converted and indexed each on
// its own, on any thread. A block starts where a record starts: a "0" at the
// start of a line, whatever the line ends. No record, line end or character
// then lies across two blocks, and each block converts to exactly the text
// the whole file converted at once would hold there.
#include <cstddef>
#include <string_view>
#include <vector>

#include "gedcom/character_set.h"

namespace quenor {

// The starts of the blocks of `raw` (the bytes of the file, before their
// line ends and character set are dealt with): 0, then the first record
// start at or after each multiple of `blockSize`, each start once.
std::vector<std::size_t> RecordBlockStarts(std::string_view raw, std::size_t blockSize);

// Converts the block text[0, length) in place as the load converts a whole
// file: every line end form to a line feed, the character set to
// Windows-1252, a NUL inside to a blank; then cuts it into record texts
// (every line feed followed by "0" becomes NUL). The line feed that ends the
// block becomes the NUL that closes its last record; a block that does not
// end with a line feed (the file's last) gets that NUL after its text, in
// the byte that follows it. Returns the converted length, that NUL included.
std::size_t ConvertRecordBlock(char* text, std::size_t length, CharacterSet charset);

// Cuts a converted text into record texts: every line feed followed by "0"
// becomes NUL.
void CutIntoRecords(char* text, std::size_t length);

}  // namespace quenor
