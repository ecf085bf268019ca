#pragma once
// The report slots: 0 the loaded GEDCOM file, 1 to 8 and 10 to 12 the report
// files of the working directory, 9 the documentation.
#include <array>
#include <string>

namespace quenor {

enum ReportSlotNumber : int {
  kSlotGedcom = 0,
  kSlotAlphabeticalList = 1,   // LstGED.TXT
  kSlotStatistics = 2,         // Stat.TXT
  kSlotAncestryList = 3,       // LstAscd.TXT
  kSlotRepeatedAncestors = 4,  // LstRep.TXT
  kSlotDescentLines = 5,       // LstDesc.TXT
  kSlotOrganigram = 6,         // OrgDesc.TXT
  kSlotRootAncestors = 7,      // LstSouch.TXT
  kSlotCollateralLines = 8,    // LignCol.TXT
  kSlotDocumentation = 9,      // qrmd.rtf
  kSlotKinshipDegrees = 10,    // Parente.TXT
  kSlotConsanguinity = 11,     // Consang.TXT
  kSlotConsanguinityList = 12, // LstConsg.TXT
  kSlotCount = 13
};

// The fixed heading lines of the kinship degrees and consanguinity reports.
constexpr int kKinshipDegreesHeadingLines = 3;
constexpr int kConsanguinityHeadingLines = 2;
constexpr int kConsanguinityListHeadingLines = 6;

// Every slot but the documentation's is shown in the report viewer.
constexpr bool IsViewerSlot(int slot) { return slot >= 0 && slot < kSlotCount && slot != kSlotDocumentation; }

struct ReportSlot {
  std::string path;      // file system path (UTF-8)
  bool hasContent = false;
  bool shown = false;
};

class ReportSlots {
 public:
  // Fills the paths of slots 1 to 9 inside `workingDirectory`.
  void SetWorkingDirectory(const std::string& workingDirectory);

  ReportSlot& operator[](int slot) { return slots_[slot]; }
  const ReportSlot& operator[](int slot) const { return slots_[slot]; }

  // Clears both flags of the viewer's slots (a new file is being loaded).
  void ClearReportFlags();
  // Marks `slot` as the one shown in the viewer (any slot but 9).
  void MarkShown(int slot);
  // The slot shown in the viewer, or -1.
  int ShownSlot() const;

  static const char* FileName(int slot);

 private:
  std::array<ReportSlot, kSlotCount> slots_{};
};

}  // namespace quenor
