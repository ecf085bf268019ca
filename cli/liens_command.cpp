#include <filesystem>

#include "cli/commands.h"
#include "cli/console_ui.h"
#include "cli/terminal.h"
#include "gedcom/record_fields.h"
#include "kinship/report_text.h"
#include "platform/cp1252.h"
#include "session/kinship_choice.h"
#include "session/person_choice.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

// The line of the alphabetical list that a click on the person selects: the
// number in 7 columns, two blanks, the name; its first 49 characters.
bool IsInFile(Session& session, int32_t person, const std::string& typed) {
  if (session.index.IndividualRecord(person) != nullptr) return true;
  session.Message(Cp1252FromUtf8(typed), "Le fichier ne contient aucune personne portant ce numéro"_ansi,
                  MessageIcon::Stop);
  return false;
}

// The two "OK" of the selection dialog, after the menu command.
KinshipChoiceStep ChooseBoth(Session& session, int32_t first, int32_t second) {
  session.selectionMode = 0;
  LiensSelect2Click(session);
  session.chosenLine = ListLineOf(session.index, first);
  if (const auto step = LiensSelect2Click(session); step != KinshipChoiceStep::SecondAsked) return step;
  session.chosenLine = ListLineOf(session.index, second);
  return LiensSelect2Click(session);
}

bool Succeeded(KinshipOutcome outcome) {
  return outcome == KinshipOutcome::RootAncestors || outcome == KinshipOutcome::Descent ||
         outcome == KinshipOutcome::NoCommonRoot;
}

}  // namespace

int RunLiensCommand(const Arguments& args) {
  if (args.size() != 3) return UsageError("la commande liens attend FICHIER.ged NUMÉRO1 NUMÉRO2");
  int32_t first = 0;
  int32_t second = 0;
  if (!ParsePersonNumber(args[1], first) || !ParsePersonNumber(args[2], second)) {
    return UsageError("les numéros d'individus doivent être des nombres entiers positifs");
  }
  ConsoleUi ui;
  SystemClock clock;
  Session session(ui, std::filesystem::current_path().string(), clock);
  // The file dialog of the desktop program always hands over a full path.
  if (LoadForCommand(session, std::filesystem::absolute(args[0]).string()) != kExitDone) return kExitRefused;
  if (!IsInFile(session, first, args[1]) || !IsInFile(session, second, args[2])) return kExitRefused;

  if (ChooseBoth(session, first, second) != KinshipChoiceStep::Searched) return kExitRefused;
  const KinshipState& kinship = session.kinship;
  if (kinship.organigram.laidOut) PrintStatusLine(kinship.organigram.caption);
  return Succeeded(kinship.outcome) ? kExitDone : kExitRefused;
}

}  // namespace quenor
