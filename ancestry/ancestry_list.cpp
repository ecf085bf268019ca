#include "ancestry/ancestry_list.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <vector>

#include "ancestry/ancestor_loops.h"
#include "ancestry/ancestor_walk.h"
#include "ancestry/ancestry_list_layout.h"
#include "ancestry/is_named.h"
#include "ancestry/named_persons.h"
#include "ancestry/report_printing.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "platform/ordered_blocks.h"
#include "platform/report_failure.h"
#include "session/report_slots.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

constexpr int kTitleCentre = 58;
// Entries of the table written as one block (an even number: father and
// mother of a couple stay together).
constexpr int32_t kBlockEntries = 1 << 14;
constexpr std::size_t kFirstBlockGuess = 1 << 16;

// Where each generation's first entry stands: its heading goes before it.
using GenerationStarts = std::array<int32_t, AncestorTable::kGenerations + 1>;

GenerationStarts FirstEntries(const AncestorTable& table) {
  GenerationStarts first{};
  for (int generation = 2; generation <= GenerationOf(table.lastStradonitz); ++generation) {
    const int32_t end = std::min(int32_t{1} << generation, table.lastStradonitz + 1);
    for (int32_t k = int32_t{1} << (generation - 1); k < end && first[generation] == 0; ++k) {
      if (table[k] != 0) first[generation] = k;
    }
  }
  return first;
}

// The lines of the list, each person with the marriage of the couple he
// belongs to: "%10ld %7ld %-40s %s" put together by hand, since a million of
// them may be written. Neither names nor marriages hold a line feed, so each
// line is made with its CR LF. One writer serves one block at a time.
class AncestryLineWriter {
 public:
  AncestryLineWriter(const GedcomIndex& index, std::string& text) : index_(index), text_(text) {}

  // Returns whether the person is named (IsNamed).
  bool WritePerson(int32_t stradonitz, int32_t person, std::string_view marriage) {
    AppendRightAligned(stradonitz, ancestry_list::kStradonitzWidth);
    text_ += ' ';
    AppendRightAligned(person, ancestry_list::kIndividualWidth);
    text_ += ' ';
    const bool named = AppendName(person);
    text_ += ' ';
    text_ += marriage;
    text_ += "\r\n";
    return named;
  }

  bool WriteAncestor(int32_t stradonitz, int32_t person, int32_t family) {
    return WritePerson(stradonitz, person, index_.Marriages().Of(family));
  }

  void WriteGenerationHeading(int generation) {
    const std::string rule(ancestry_list::kGenerationRuleLength, ancestry_list::kGenerationRuleChar);
    text_ += rule;
    text_ += ' ';
    AppendRightAligned(generation, 2);
    text_ += ' ';
    text_ += generationText_;
    text_ += ' ';
    text_ += rule;
    text_ += "\r\n";
  }

 private:
  // The name, given names first, in its 40 columns.
  bool AppendName(int32_t person) {
    const std::size_t start = text_.size();
    const bool read = ReadNameParts(index_, person, parts_);
    if (read) quenor::AppendName(parts_, 0, text_);
    const std::size_t width = text_.size() - start;
    if (width < ancestry_list::kNameWidth) text_.append(ancestry_list::kNameWidth - width, ' ');
    return read && IsNamed(parts_);
  }

  void AppendRightAligned(int32_t number, std::size_t width) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    if (length < width) text_.append(width - length, ' ');
    text_.append(digits, length);
  }

  const std::string generationText_ = "ième génération"_ansi;
  const GedcomIndex& index_;
  std::string& text_;
  NameParts parts_;
};

// The entries of the filled table, block by block on every processor; what
// each block learns of whose names count is kept by entry, then handed over.
class AncestryListBlocks {
 public:
  AncestryListBlocks(const GedcomIndex& index, const AncestorTable& table)
      : index_(index), table_(table), starts_(FirstEntries(table)),
        named_(static_cast<std::size_t>(table.lastStradonitz) + 1, false) {}

  int Count() const { return table_.lastStradonitz < 2 ? 0 : table_.lastStradonitz / kBlockEntries + 1; }

  // Entries max(2, i * kBlockEntries) to the end of the block.
  void Produce(int i, std::string& text) {
    const int32_t first = std::max(int32_t{2}, i * kBlockEntries);
    const int32_t end = std::min((i + 1) * kBlockEntries, table_.lastStradonitz + 1);
    // A block of a sparse table (a loop repeats one line down to generation
    // 20) holds few persons: the text grows with them beyond a first guess.
    text.reserve(std::min<std::size_t>(static_cast<std::size_t>(end - first) * 100, kFirstBlockGuess));
    AncestryLineWriter writer(index_, text);
    for (int32_t k = first; k < end; ++k) {
      const int32_t person = table_[k];
      if (person == 0) continue;
      const int generation = GenerationOf(k);
      if (starts_[generation] == k) writer.WriteGenerationHeading(generation);
      named_[static_cast<std::size_t>(k)] = writer.WriteAncestor(k, person, index_.ParentFamily(table_[k / 2]));
    }
  }

  // The number of entries written, the person analysed included.
  int32_t Lines() const {
    int32_t lines = 1;
    for (int32_t k = 2; k <= table_.lastStradonitz; ++k) lines += table_[k] != 0;
    return lines;
  }

  void TellNamed(NamedPersons& named) const {
    for (int32_t k = 2; k <= table_.lastStradonitz; ++k) {
      if (table_[k] != 0) named.Remember(table_[k], named_[static_cast<std::size_t>(k)] != 0);
    }
  }

 private:
  const GedcomIndex& index_;
  const AncestorTable& table_;
  const GenerationStarts starts_;
  std::vector<uint8_t> named_;  // by entry, each written by the one block that holds it
};

void WriteHeading(ReportFile& file, const GedcomIndex& index, int32_t probant, NamedPersons* named) {
  const std::string probantName = PersonName(index, 0, probant);
  const std::string title = "Fichier d'ascendance "_ansi + DeOrDApostrophe(probantName) + probantName;
  PrintToReport(file, "%*s%s\n\n", kTitleCentre - static_cast<int>(title.size() / 2), " ", title.c_str());
  file.Write("Stradonitz # Enrg. Prénom et nom                              Date de mariage Lieu de mariage"_ansi);
  file.Write("\n");
  file.Write("—————————— ——————— ———————————————————————————————————————— ————————————————— ————————————————————————————————————————"_ansi);
  file.Write("\n");
  std::string line;
  const bool probantNamed = AncestryLineWriter(index, line).WritePerson(1, probant, MarriagesOf(index, probant)[0]);
  file.WriteRaw(line);
  if (named != nullptr) named->Remember(probant, probantNamed);
}

void WriteAncestors(ReportFile& file, const GedcomIndex& index, const AncestorTable& table, NamedPersons* named,
                    WorkerPool& workers) {
  AncestryListBlocks blocks(index, table);
  BlockWork work;
  work.count = blocks.Count();
  work.produce = [&blocks](int i, std::string& text) { blocks.Produce(i, text); };
  work.consume = [&file](const std::string& text) { file.WriteRaw(text); };
  ProduceInOrder(work, workers);
  PrintToReport(file, "\n%19sNombre d'apparitions: %s", " ", FormatCount(blocks.Lines()).c_str());
  if (named != nullptr) blocks.TellNamed(*named);
}

}  // namespace

bool WriteAncestryList(Session& session, int32_t probant, NamedPersons* named, ReportFile& file) {
  if (!file.Create(session.SlotPath(kSlotAncestryList))) {
    TellReportNotWritten(session.ui, session.SlotPath(kSlotAncestryList));
    return false;
  }
  WriteHeading(file, session.index, probant, named);
  FillAncestorTable(session.index, probant, session.ancestors, session.workers);
  WriteAncestors(file, session.index, session.ancestors, named, session.workers);
  return true;
}

bool PutAncestryListInPlace(Session& session, bool placed) {
  if (!placed) {
    TellReportNotWritten(session.ui, session.SlotPath(kSlotAncestryList));
    return false;
  }
  CheckAncestorLoops(session, session.ancestors, session.ancestors.lastStradonitz);
  return true;
}

bool BuildAncestorTable(Session& session, int32_t probant, NamedPersons* named) {
  ReportFile file;
  return WriteAncestryList(session, probant, named, file) && PutAncestryListInPlace(session, file.Close());
}

}  // namespace quenor
