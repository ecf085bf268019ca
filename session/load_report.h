#pragma once
// Showing a report slot in the viewer, with its fixed heading lines.
namespace quenor {

class Session;

// Sets the selection mode to 0; unless the slot is already shown, asks the
// user interface to show it and marks it as the shown slot.
void LoadReport(Session& session, int slot, int headingLines);

}  // namespace quenor
