#include "gedcom/block_index.h"

#include <cstring>
#include <string>

#include "gedcom/gedcom_index.h"
#include "gedcom/marriage_lines.h"
#include "gedcom/record_fields.h"
#include "gedcom/record_number.h"

namespace quenor {
namespace {

int32_t ParentFamilyOf(const char* record) {
  const char* famc = std::strstr(record, " FAMC ");
  if (famc == nullptr) return 0;
  const char* p = famc + 6;
  if (*p == '@') ++p;
  return ReadRecordNumber(p);
}

// Reads the fields of one block's records; one object per block, its
// buffers kept from one record to the next.
class BlockReader {
 public:
  BlockReader(const char* text, IndexedBlock& block) : text_(text), block_(block) {}

  // False when the pass stops at this record.
  bool Read(std::size_t position) {
    const char* record = text_ + position;
    if (std::strstr(record, "@ INDI") != nullptr) {
      if (std::strstr(record, "1 NAME ") != nullptr) return ReadIndividual(record, position);
    } else if (std::strstr(record, "@ FAM") != nullptr) {
      return ReadFamily(record, position);
    } else if (std::strstr(record, "0 TRLR") != nullptr) {
      block_.stop = IndexStop::Trailer;
      return false;
    }
    return true;
  }

 private:
  bool ReadIndividual(const char* record, std::size_t position) {
    const int32_t n = RecordNumberOf(record);
    if (n > GedcomIndex::kMaxIndividual) {
      block_.stop = IndexStop::IndividualTooLarge;
      return false;
    }
    if (n <= 0) {
      ++block_.skippedWithoutNumber;
      return true;
    }
    const auto offset = static_cast<int32_t>(position);
    block_.individuals.push_back({n, offset, ParentFamilyOf(record)});
    // The record at offset 0 (the header) is "no record": no name, no family.
    name_.clear();
    if (offset != 0 && ReadRecordNameParts(record, parts_)) AppendName(parts_, 1, name_);
    block_.entries.Add(n, name_, offset);
    if (offset != 0) {
      ForEachSpouseFamilyOfRecord(record, [this](int32_t family) {
        block_.entries.AddSpouseFamily(family);
        return true;
      });
    }
    return true;
  }

  bool ReadFamily(const char* record, std::size_t position) {
    const int32_t f = RecordNumberOf(record);
    if (f > GedcomIndex::kMaxFamily) {
      block_.stop = IndexStop::FamilyTooLarge;
      return false;
    }
    if (f <= 0) {
      ++block_.skippedWithoutNumber;
      return true;
    }
    const auto offset = static_cast<int32_t>(position);
    // The record at offset 0 (the header) is "no record": no spouses, no marriage.
    line_.clear();
    int32_t husband = 0;
    int32_t wife = 0;
    if (offset != 0) {
      AppendRecordMarriageLine(record, line_);
      husband = HusbandOfRecord(record);
      wife = WifeOfRecord(record);
    }
    const uint32_t marriage = line_.empty() ? MarriageLines::kNone : block_.marriages.Add(line_);
    block_.families.push_back({f, offset, husband, wife, marriage});
    return true;
  }

  const char* text_;
  IndexedBlock& block_;
  NameParts parts_;
  std::string name_;
  std::string line_;
};

}  // namespace

void IndexedBlock::Clear() {
  individuals.clear();
  families.clear();
  entries.Clear();
  marriages.Clear();
  skippedWithoutNumber = 0;
  stop = IndexStop::None;
}

void IndexRecordBlock(const char* text, std::size_t start, std::size_t end, IndexedBlock& block) {
  BlockReader reader(text, block);
  for (std::size_t position = start; position + 1 < end;) {
    if (!reader.Read(position)) return;
    position += std::strlen(text + position) + 1;
  }
}

}  // namespace quenor
