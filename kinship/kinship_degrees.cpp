#include "kinship/kinship_degrees.h"

#include <string>
#include <vector>

#include "ancestry/consanguinity_report.h"
#include "ancestry/inbreeding.h"
#include "ancestry/pedigree.h"
#include "ancestry/related_ancestry.h"
#include "ancestry/relationship_text.h"
#include "ancestry/relationship_ways.h"
#include "gedcom/record_fields.h"
#include "kinship/report_text.h"
#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

constexpr int kTitleWidth = 100;

struct KinshipDegrees {
  RelatedPerson first;
  RelatedPerson second;
  double kinship = 0.0;  // the chance of a gene identical by descent, Wright's coefficient of kinship
  double firstInbreeding = 0.0;
  double secondInbreeding = 0.0;
  std::vector<RelationshipWay> ways;
};

std::string PersonLine(const std::string& role, const RelatedPerson& person, double inbreeding) {
  return role + PrintToString(" : %7ld  %-40s  ", static_cast<long>(person.number), person.name.c_str()) +
         "consanguinité "_ansi + FormatPercent(inbreeding) + "\n";
}

std::string KinshipDegreesText(const Session& session, const KinshipDegrees& d) {
  std::string text = Centred(AnalysisTitle(session), kTitleWidth, 2);
  text += Centred("Degrés de parenté "_ansi + OfName(d.first.name) + " et " + d.second.name,
                  kTitleWidth, 2);
  text += PersonLine("Première personne"_ansi, d.first, d.firstInbreeding);
  text += PersonLine("Deuxième personne"_ansi, d.second, d.secondInbreeding);
  text += "\n";
  text += "Coefficient de parenté : "_ansi + FormatPercent(2.0 * d.kinship) + "\n";
  text += "Coefficient de consanguinité d'un enfant qu'ils auraient : "_ansi + FormatPercent(d.kinship) + "\n\n";
  text += d.ways.size() == 1 ? "Le lien de parenté :\n\n"_ansi
                             : "Les "_ansi + std::to_string(d.ways.size()) +
                                   " liens de parenté, du plus proche au plus éloigné :\n\n"_ansi;
  AppendWaysTable(text, session.index, d.ways, d.first, d.second);
  return text;
}

}  // namespace

KinshipDegreesOutcome ReportKinshipDegrees(Session& session) {
  const KinshipState& kinship = session.kinship;
  const int32_t persons[] = {kinship.firstPerson, kinship.secondPerson};
  const Pedigree pedigree = RelatedAncestry(session.index, persons);
  const int32_t first = pedigree.PlaceOf(kinship.firstPerson);
  const int32_t second = pedigree.PlaceOf(kinship.secondPerson);
  if (first == Pedigree::kNone || second == Pedigree::kNone) return KinshipDegreesOutcome::NotRelated;
  for (const int32_t place : {first, second}) {
    if (pedigree.IsOrdered(place)) continue;
    TellUndefinedCoefficient(session, pedigree, place,
                             "Le degré de parenté "_ansi + OfName(kinship.firstName) + " et " + OfName(kinship.secondName));
    return KinshipDegreesOutcome::Undefined;
  }
  KinshipDegrees degrees;
  degrees.ways = FindRelationshipWays(pedigree, first, second);
  if (degrees.ways.empty()) return KinshipDegreesOutcome::NotRelated;
  degrees.first = RelatedPersonOf(session.index, kinship.firstPerson);
  degrees.second = RelatedPersonOf(session.index, kinship.secondPerson);
  InbreedingOnDemand inbreeding(pedigree);
  degrees.kinship = inbreeding.KinshipOf(first, second);
  degrees.firstInbreeding = inbreeding.Of(first);
  degrees.secondInbreeding = inbreeding.Of(second);
  if (!WriteReportText(session, kSlotKinshipDegrees, KinshipDegreesText(session, degrees))) {
    return KinshipDegreesOutcome::NotWritten;
  }
  session.slots[kSlotKinshipDegrees].hasContent = true;
  session.menus.Enable(MenuItem::LiensDegres);
  session.menus.Enable(MenuItem::ConsLiens);
  session.ui.MenusChanged();
  return KinshipDegreesOutcome::Written;
}

}  // namespace quenor
