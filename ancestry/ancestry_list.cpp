#include "ancestry/ancestry_list.h"

#include <string>

#include "ancestry/ancestor_loops.h"
#include "ancestry/ancestor_walk.h"
#include "ancestry/ancestry_list_layout.h"
#include "ancestry/report_failure.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "ancestry/report_printing.h"
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
  AncestryListWriter(ReportFile& file, const GedcomIndex& index) : file_(file), index_(index) {}

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
    PrintToReport(file_, "%s %2d %s %s\n", rule.c_str(), generation, kGenerationText.c_str(), rule.c_str());
  }

  void AncestorFound(int32_t stradonitz, int32_t person, int32_t family) override {
    // Father and mother share the marriage of their couple.
    if (family != marriageFamily_) {
      marriageFamily_ = family;
      marriage_ = MarriageLine(index_, family);
    }
    WritePerson(stradonitz, person, marriage_);
  }

  void WriteCount() { PrintToReport(file_, "\n%19sNombre d'apparitions: %s", " ", FormatCount(lines_).c_str()); }

 private:
  void WritePerson(int32_t stradonitz, int32_t person, const std::string& marriage) {
    PrintToReport(file_, "%10ld %7ld %-40s %s\n", static_cast<long>(stradonitz), static_cast<long>(person),
                PersonName(index_, 0, person).c_str(), marriage.c_str());
    ++lines_;
  }

  const std::string kGenerationText = "ième génération"_ansi;
  ReportFile& file_;
  const GedcomIndex& index_;
  int32_t lines_ = 0;
  int32_t marriageFamily_ = -1;
  std::string marriage_;
};

}  // namespace

bool BuildAncestorTable(Session& session, int32_t probant) {
  ReportFile file;
  if (!file.Create(session.SlotPath(kSlotAncestryList))) {
    TellReportNotWritten(session, kSlotAncestryList);
    return false;
  }
  AncestryListWriter writer(file, session.index);
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
