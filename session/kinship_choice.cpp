#include "session/kinship_choice.h"

#include "gedcom/record_fields.h"
#include "kinship/kinship_search.h"
#include "platform/cp1252.h"
#include "session/load_report.h"
#include "session/person_choice.h"
#include "session/session.h"

namespace quenor {

using namespace literals;

namespace {

KinshipChoiceStep AskFirstPerson(Session& session) {
  session.ui.BeginPersonChoice(3);
  session.Status("Sélectionnez l'une des personnes avec qui vous désirez le lien"_ansi);
  session.selectionMode = 3;
  for (MenuItem item : {MenuItem::LiensSouches, MenuItem::LiensCollat, MenuItem::LiensDesc, MenuItem::LiensOrgan,
                        MenuItem::LiensDegres}) {
    session.menus.Disable(item);
  }
  session.ui.MenusChanged();
  return KinshipChoiceStep::FirstAsked;
}

KinshipChoiceStep KeepFirstPerson(Session& session, int32_t person) {
  session.kinship.firstPerson = person;
  session.kinship.firstName = PersonName(session.index, 0, person);
  session.selectionMode = 4;
  session.ui.BeginPersonChoice(4);
  session.Status("Sélectionnez l'autre personne avec qui vous désirez le lien"_ansi);
  session.ui.ClearViewerSelection();
  return KinshipChoiceStep::SecondAsked;
}

KinshipChoiceStep SearchWithSecondPerson(Session& session, int32_t person) {
  if (person == session.kinship.firstPerson) {
    session.Message("Saisie inacceptable",
                    "La deuxième personne doit être différente de "_ansi + session.kinship.firstName,
                    MessageIcon::Stop);
    return KinshipChoiceStep::SamePerson;
  }
  session.ui.EndPersonChoice();
  session.kinship.secondPerson = person;
  session.kinship.secondName = PersonName(session.index, 0, person);
  session.Status("Un moment S.V.P. ...  Je recherche les liens de parenté..."_ansi);
  session.ui.ClearViewerSelection();
  SearchKinship(session);
  session.Status("");
  session.selectionMode = 0;
  return KinshipChoiceStep::Searched;
}

}  // namespace

KinshipChoiceStep LiensSelect2Click(Session& session) {
  if (!session.slots[kSlotAlphabeticalList].shown) LoadReport(session, kSlotAlphabeticalList, 3);
  const int mode = session.selectionMode;
  if (mode != 3 && mode != 4) return AskFirstPerson(session);
  const int32_t person = PersonNumberOfLine(session.chosenLine);
  if (person == 0) return KinshipChoiceStep::NothingChosen;
  return mode == 3 ? KeepFirstPerson(session, person) : SearchWithSecondPerson(session, person);
}

}  // namespace quenor
