#include "session/report_slots.h"

namespace quenor {

const char* ReportSlots::FileName(int slot) {
  static const char* const kNames[kSlotCount] = {
      "",          "LstGED.TXT",  "Stat.TXT",     "LstAscd.TXT", "LstRep.TXT",
      "LstDesc.TXT", "OrgDesc.TXT", "LstSouch.TXT", "LignCol.TXT", "qrmd.rtf",
      "Parente.TXT", "Consang.TXT", "LstConsg.TXT"};
  return (slot >= 0 && slot < kSlotCount) ? kNames[slot] : "";
}

void ReportSlots::SetWorkingDirectory(const std::string& workingDirectory) {
  std::string folder = workingDirectory;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (folder == "/") folder.clear();
  for (int slot = 1; slot < kSlotCount; ++slot) {
    slots_[slot].path = folder + "/" + FileName(slot);
  }
}

void ReportSlots::ClearReportFlags() {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!IsViewerSlot(slot)) continue;
    slots_[slot].hasContent = false;
    slots_[slot].shown = false;
  }
}

void ReportSlots::MarkShown(int slot) {
  for (int s = 0; s < kSlotCount; ++s) {
    if (IsViewerSlot(s)) slots_[s].shown = (s == slot);
  }
}

int ReportSlots::ShownSlot() const {
  for (int s = 0; s < kSlotCount; ++s) {
    if (IsViewerSlot(s) && slots_[s].shown) return s;
  }
  return -1;
}

}  // namespace quenor
