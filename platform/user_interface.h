#pragma once
// The narrow window onto the user that the computing core is allowed to use:
// message boxes, the status bar, the report viewer and the main window caption.
// Every text crossing this interface is in Windows-1252, the program's one
// character set; the implementations convert it for display.
#include <string>

namespace quenor {

enum class MessageIcon { Stop, Warning, Information };

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // A message box with its caption, text and icon; returns when dismissed.
  virtual void ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon) = 0;
  // Replaces the status bar text and repaints it at once.
  virtual void ShowStatus(const std::string& text) = 0;

  // Shows report slot `slot` in the viewer with `headingLines` fixed lines.
  virtual void ShowReport(int slot, int headingLines) { (void)slot; (void)headingLines; }
  // Hides and empties the report viewer and its heading pane.
  virtual void HideReport() {}
  // The main window's caption.
  virtual void SetCaption(const std::string& text) { (void)text; }
  // The menu state of the session changed; the window applies it.
  virtual void MenusChanged() {}

  // The person selection dialog. BeginPersonChoice shows it for a selection
  // mode (1 the probant, 3 the first and 4 the second person of a kinship
  // search) with that mode's instructions, the summary emptied (mode 4 keeps
  // the first person's name and number) and "OK" disabled, and gives the focus
  // to the viewer; the status text is the caller's. EndPersonChoice closes it.
  virtual void BeginPersonChoice(int selectionMode) { (void)selectionMode; }
  virtual void EndPersonChoice() {}
  // Empties the selection of the report viewer.
  virtual void ClearViewerSelection() {}

  // Shows the organigram window (non-modal) on the OrgDesc.TXT just written;
  // its caption and shape are in the session's kinship.organigram.
  virtual void ShowOrganigram() {}
};

}  // namespace quenor
