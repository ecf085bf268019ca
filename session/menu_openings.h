#pragma once
// The menu states worked out when the "&Fichier" and "&Consulter" menus open.
namespace quenor {

class ReportSlots;
class Session;

struct FileMenuItems {
  bool canSave = false;   // "&Créer un fichier texte du rapport à l'écran"
  bool canPrint = false;  // "&Imprimer le rapport à l'écran"
};

// Saving needs a report shown in the viewer (slots 0 to 8); printing also
// serves the open documentation window.
FileMenuItems FileMenuOnOpening(const ReportSlots& slots);

// Each report item of "&Consulter" is enabled exactly when its slot has
// content; the session's menu state is updated.
void ConsultMenuOnOpening(Session& session);

}  // namespace quenor
