#include "ancestry/ancestry_list.h"

#include <charconv>
#include <string>

#include "ancestry/ancestor_loops.h"
#include "ancestry/ancestor_walk.h"
#include "ancestry/ancestry_list_layout.h"
#include "ancestry/is_named.h"
#include "ancestry/named_persons.h"
#include "ancestry/report_failure.h"
#include "ancestry/report_printing.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "session/report_slots.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

constexpr int kTitleCentre = 58;

// Writes one line per table entry as the walk fills it, each ancestor with
// the marriage of the couple he belongs to.
class AncestryListWriter : public AncestorVisitor {
 public:
  AncestryListWriter(ReportFile& file, const GedcomIndex& index, NamedPersons* named)
      : file_(file), index_(index), named_(named) {}

  void WriteHeading(int32_t probant, const std::string& probantName) {
    const std::string title = "Fichier d'ascendance "_ansi + DeOrDApostrophe(probantName) + probantName;
    PrintToReport(file_, "%*s%s\n\n", kTitleCentre - static_cast<int>(title.size() / 2), " ", title.c_str());
    file_.Write("Stradonitz # Enrg. Prénom et nom                              Date de mariage Lieu de mariage"_ansi);
    file_.Write("\n");
    file_.Write("—————————— ——————— ———————————————————————————————————————— ————————————————— ————————————————————————————————————————"_ansi);
    file_.Write("\n");
    WritePerson(1, probant, MarriagesOf(index_, probant)[0]);
  }

  void GenerationStarts(int generation) override {
    const std::string rule(ancestry_list::kGenerationRuleLength, ancestry_list::kGenerationRuleChar);
    PrintToReport(file_, "%s %2d %s %s\n", rule.c_str(), generation, generationText_.c_str(), rule.c_str());
  }

  void AncestorFound(int32_t stradonitz, int32_t person, int32_t family) override {
    // Father and mother share the marriage of their couple.
    if (family != marriageFamily_) {
      marriageFamily_ = family;
      marriage_.clear();
      AppendMarriageLine(index_, family, marriage_);
    }
    WritePerson(stradonitz, person, marriage_);
  }

  void WriteCount() { PrintToReport(file_, "\n%19sNombre d'apparitions: %s", " ", FormatCount(lines_).c_str()); }

 private:
  // "%10ld %7ld %-40s %s\n", put together by hand: a million of them may be
  // written. Neither names nor marriages hold a line feed, so the line goes
  // out with its CR LF as it stands.
  void WritePerson(int32_t stradonitz, int32_t person, const std::string& marriage) {
    line_.clear();
    AppendRightAligned(line_, stradonitz, ancestry_list::kStradonitzWidth);
    line_ += ' ';
    AppendRightAligned(line_, person, ancestry_list::kIndividualWidth);
    line_ += ' ';
    AppendName(person);
    line_ += ' ';
    line_ += marriage;
    line_ += "\r\n";
    file_.WriteRaw(line_);
    ++lines_;
  }

  // The name, given names first, in its 40 columns; the statistics learn on
  // the way whether it counts as named.
  void AppendName(int32_t person) {
    const std::size_t start = line_.size();
    const bool read = ReadNameParts(index_, person, parts_);
    if (read) quenor::AppendName(parts_, 0, line_);
    if (named_ != nullptr) named_->Remember(person, read && IsNamed(parts_));
    const std::size_t width = line_.size() - start;
    if (width < ancestry_list::kNameWidth) line_.append(ancestry_list::kNameWidth - width, ' ');
  }

  static void AppendRightAligned(std::string& line, int32_t number, std::size_t width) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    const auto length = static_cast<std::size_t>(end - digits);
    if (length < width) line.append(width - length, ' ');
    line.append(digits, length);
  }

  const std::string generationText_ = "ième génération"_ansi;
  ReportFile& file_;
  const GedcomIndex& index_;
  NamedPersons* named_;
  NameParts parts_;
  int32_t lines_ = 0;
  int32_t marriageFamily_ = -1;
  std::string marriage_;
  std::string line_;
};

}  // namespace

bool BuildAncestorTable(Session& session, int32_t probant, NamedPersons* named) {
  ReportFile file;
  if (!file.Create(session.SlotPath(kSlotAncestryList))) {
    TellReportNotWritten(session, kSlotAncestryList);
    return false;
  }
  AncestryListWriter writer(file, session.index, named);
  writer.WriteHeading(probant, PersonName(session.index, 0, probant));
  FillAncestorTable(session.index, probant, session.ancestors, &writer);
  writer.WriteCount();
  if (!file.Close()) {
    TellReportNotWritten(session, kSlotAncestryList);
    return false;
  }
  CheckAncestorLoops(session, session.ancestors, session.ancestors.lastStradonitz);
  return true;
}

}  // namespace quenor
