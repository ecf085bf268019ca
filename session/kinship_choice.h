#pragma once
// The choice of the two persons of a kinship search, step by step: the menu
// command "&Sélectionner les 2 individus" starts it, "OK" on the first person
// asks for the second, "OK" on the second runs the search.
namespace quenor {

class Session;

enum class KinshipChoiceStep {
  FirstAsked,     // the dialog asks for the first person
  NothingChosen,  // "OK" without a valid chosen line: nothing done
  SecondAsked,    // the first person is kept, the dialog asks for the second
  SamePerson,     // the second person is the first one: refused, the choice goes on
  Searched,       // the dialog is closed and the search has run
};

KinshipChoiceStep LiensSelect2Click(Session& session);

}  // namespace quenor
