#include "ancestry/consanguinity_report.h"

#include <map>
#include <tuple>
#include <vector>

#include "ancestry/inbreeding.h"
#include "ancestry/pedigree.h"
#include "ancestry/related_ancestry.h"
#include "ancestry/relationship_text.h"
#include "ancestry/report_printing.h"
#include "ancestry/relationship_ways.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

constexpr int kTitleWidth = 100;

std::string ParentLine(const std::string& role, bool mother, const RelatedPerson& parent, double inbreeding) {
  if (parent.number == 0) return role + (mother ? " : inconnue\n" : " : inconnu\n");
  return role + PrintToString(" : %7ld  %-40s  ", static_cast<long>(parent.number), parent.name.c_str()) +
         "consanguinité "_ansi + FormatPercent(inbreeding) + "\n";
}

// One row per common ancestor and pair of generations, in the order of the
// ways, the lines of a person met twice at the same generations added up.
struct AncestorRow {
  int32_t person;
  int byFather;  // generation in the numbering of the person analysed
  int byMother;
  LineCount lines;
};

std::vector<AncestorRow> CommonAncestorRows(const std::vector<RelationshipWay>& ways) {
  std::vector<AncestorRow> rows;
  std::map<std::tuple<int32_t, int, int>, std::size_t> where;
  auto add = [&](int32_t person, const RelationshipWay& way, const LineCount& lines) {
    const auto key = std::make_tuple(person, way.a + 2, way.b + 2);
    const auto found = where.find(key);
    if (found != where.end()) {
      rows[found->second].lines.Add(lines.value);
      return;
    }
    where[key] = rows.size();
    rows.push_back({person, way.a + 2, way.b + 2, lines});
  };
  for (const RelationshipWay& way : ways) {
    for (const WayAncestors& top : way.ancestors) {
      add(top.first, way, top.lines);
      if (top.second != 0) add(top.second, way, top.lines);
    }
  }
  return rows;
}

void AppendCommonAncestors(std::string& text, const GedcomIndex& index, const std::vector<RelationshipWay>& ways) {
  const std::vector<AncestorRow> rows = CommonAncestorRows(ways);
  text += rows.size() == 1 ? "L'ascendant commun le plus proche du père et de la mère :\n\n"_ansi
                           : "Les "_ansi + std::to_string(rows.size()) +
                                 " ascendants communs les plus proches du père et de la mère :\n\n"_ansi;
  const std::string generation = "Génération"_ansi;
  text += PrintToString("%-7s  %-40s  %11s  %11s  %13s\n", "# Enrg.", "Nom", generation.c_str(), generation.c_str(), "Nombre");
  text += PrintToString("%-7s  %-40s  %11s  %11s  %13s\n", "", "", "par le père"_ansi.c_str(), "par la mère"_ansi.c_str(),
                  "de lignes");
  text += Rule(7) + "  " + Rule(40) + "  " + Rule(11) + "  " + Rule(11) + "  " + Rule(13) + "\n";
  for (const AncestorRow& row : rows) {
    std::string name = PersonName(index, 0, row.person);
    text += PrintToString("%7ld  %-40s  %11d  %11d  %13s\n", static_cast<long>(row.person), name.c_str(), row.byFather,
                    row.byMother, FormatLines(row.lines).c_str());
  }
}

std::string ConsanguinityText(const Session& session, const ConsanguinityFindings& c) {
  const std::string& name = c.person.name;
  std::string text = Centred("Consanguinité "_ansi + OfName(name) + "  " + session.runDate, kTitleWidth, 2);
  text += "Coefficient de consanguinité "_ansi + OfName(name) + " : " + FormatPercent(c.inbreeding) + "\n\n";
  text += ParentLine("Père"_ansi, false, c.father, c.fatherInbreeding);
  text += ParentLine("Mère"_ansi, true, c.mother, c.motherInbreeding);
  text += "\n";
  if (c.father.number == 0 || c.mother.number == 0) {
    text += "Un parent inconnu ne compte pour aucun lien de parenté : le coefficient est nul.\n"_ansi;
    return text;
  }
  text += "Coefficient de parenté du père et de la mère : "_ansi + FormatPercent(2.0 * c.inbreeding) + "\n";
  text += "(le coefficient de consanguinité est la moitié du coefficient de parenté des parents)\n\n"_ansi;
  if (c.ways.empty()) {
    text += "Le père et la mère n'ont aucun ascendant commun connu dans le fichier.\n"_ansi;
    return text;
  }
  text += "Liens de parenté du père et de la mère, du plus proche au plus éloigné :\n\n"_ansi;
  AppendWaysTable(text, session.index, c.ways, c.father, c.mother);
  AppendCommonAncestors(text, session.index, c.ways);
  return text;
}

// The person to name for an unordered place: one on a loop among his
// ancestors, or himself.
int32_t OwnAncestorOf(const Pedigree& pedigree, int32_t place) {
  const int32_t loop = pedigree.LoopAncestor(place);
  return pedigree.Individual(loop == Pedigree::kNone ? place : loop);
}

}  // namespace

void TellUndefinedCoefficient(Session& session, const Pedigree& pedigree, int32_t place, const std::string& what) {
  TellUndefinedCoefficient(session, OwnAncestorOf(pedigree, place), what);
}

void TellUndefinedCoefficient(Session& session, int32_t ownAncestor, const std::string& what) {
  session.Message("Fichier GEDCOM erroné"_ansi,
                  what + " ne peut être calculé :\n"_ansi + std::to_string(ownAncestor) + " " +
                      PersonName(session.index, 0, ownAncestor) + " est son propre ascendant dans le fichier GEDCOM."_ansi,
                  MessageIcon::Stop);
}

ConsanguinityFindings FindConsanguinity(const GedcomIndex& index, int32_t person) {
  // The parents are kept with him, however they are related.
  const Pedigree::Links parents = KnownParents(index, person);
  const int32_t persons[] = {person, parents.father, parents.mother};
  const Pedigree pedigree = RelatedAncestry(index, persons);
  ConsanguinityFindings c;
  c.person = RelatedPersonOf(index, person);
  const int32_t place = pedigree.PlaceOf(person);
  if (place == Pedigree::kNone) return c;
  if (!pedigree.IsOrdered(place)) {
    c.ownAncestor = OwnAncestorOf(pedigree, place);
    return c;
  }
  InbreedingOnDemand inbreeding(pedigree);
  const int32_t father = pedigree.Father(place);
  const int32_t mother = pedigree.Mother(place);
  if (father != Pedigree::kNone) {
    c.father = RelatedPersonOf(index, pedigree.Individual(father));
    c.fatherInbreeding = inbreeding.Of(father);
  }
  if (mother != Pedigree::kNone) {
    c.mother = RelatedPersonOf(index, pedigree.Individual(mother));
    c.motherInbreeding = inbreeding.Of(mother);
  }
  if (father != Pedigree::kNone && mother != Pedigree::kNone) {
    c.inbreeding = inbreeding.KinshipOf(father, mother);
    c.ways = FindRelationshipWays(pedigree, father, mother);
  }
  return c;
}

ConsanguinityOutcome WriteConsanguinityReport(Session& session, const ConsanguinityFindings& findings) {
  if (findings.ownAncestor != 0) {
    TellUndefinedCoefficient(session, findings.ownAncestor,
                             "Le coefficient de consanguinité "_ansi + OfName(findings.person.name));
    return ConsanguinityOutcome::Undefined;
  }
  if (!WriteSlotText(session, kSlotConsanguinity, ConsanguinityText(session, findings))) {
    return ConsanguinityOutcome::NotWritten;
  }
  session.slots[kSlotConsanguinity].hasContent = true;
  return ConsanguinityOutcome::Written;
}

ConsanguinityOutcome WriteConsanguinityReport(Session& session, int32_t person) {
  return WriteConsanguinityReport(session, FindConsanguinity(session.index, person));
}

}  // namespace quenor
