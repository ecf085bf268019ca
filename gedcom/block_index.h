#pragma once
// What one block of record texts gives the index, found on any thread: the
// individuals and families it holds in file order, the entries of the
// alphabetical list with their names, and the families' marriage lines.
// The blocks are then put into the index in file order, so that a later
// record with the same number wins whatever thread read it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "gedcom/packed_texts.h"
#include "gedcom/sort_list.h"

namespace quenor {

// Why the indexing pass stops before the end of the text.
enum class IndexStop { None, Trailer, IndividualTooLarge, FamilyTooLarge };

struct IndividualPlace {
  int32_t number;
  int32_t recordOffset;
  int32_t parentFamily;
};

struct FamilyPlace {
  int32_t number;
  int32_t recordOffset;
  int32_t husband;
  int32_t wife;
  uint32_t marriage;  // the line's number in the block's marriages, or MarriageLines::kNone
};

struct IndexedBlock {
  std::vector<IndividualPlace> individuals;
  std::vector<FamilyPlace> families;
  SortListPart entries;
  PackedTexts marriages;
  int skippedWithoutNumber = 0;  // records whose identifier holds no digit
  IndexStop stop = IndexStop::None;

  // Forgets what the block gave, keeping the room it took for the next block.
  void Clear();
};

// Walks the record texts of text[start, end), a converted block whose last
// byte is the NUL of its last record, as the indexing pass walks the whole
// text: individuals (records holding "@ INDI" and "1 NAME "), families
// ("@ FAM"), until "0 TRLR" or a number too large for the tables.
// `text` is the whole loaded text: the offsets are counted from its start.
void IndexRecordBlock(const char* text, std::size_t start, std::size_t end, IndexedBlock& block);

}  // namespace quenor
