#pragma once
// The ten report slots: 0 the loaded GEDCOM file, 1 to 8 the report files of
// the working directory, 9 the documentation.
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
  kSlotCount = 10
};

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

  // Clears both flags of slots 0 to 8 (a new file is being loaded).
  void ClearReportFlags();
  // Marks `slot` as the one shown in the viewer (slots 0 to 8).
  void MarkShown(int slot);
  // The slot shown in the viewer, or -1.
  int ShownSlot() const;

  static const char* FileName(int slot);

 private:
  std::array<ReportSlot, kSlotCount> slots_{};
};

}  // namespace quenor
