#include "ancestry/relationship_names.h"

#include <algorithm>

#include "platform/cp1252.h"

namespace quenor {
namespace {

struct Forms {
  const char* male;
  const char* female;
  const char* either;  // sex unknown
};

// The names of kinship by generations below the common ancestors: the
// nearer person (n generations) and the farther one (m ≥ n). `nearer` is what
// the nearer person is to the farther one, `farther` the reverse. The same
// table is in the user guide.
struct NamedKinship {
  int n;
  int m;
  Forms nearer;
  Forms farther;
};

constexpr NamedKinship kNamedKinships[] = {
    {0, 1, {"père", "mère", "père ou mère"}, {"fils", "fille", "enfant"}},
    {0, 2, {"grand-père", "grand-mère", "grand-parent"}, {"petit-fils", "petite-fille", "petit-enfant"}},
    {0, 3,
     {"arrière-grand-père", "arrière-grand-mère", "arrière-grand-parent"},
     {"arrière-petit-fils", "arrière-petite-fille", "arrière-petit-enfant"}},
    {1, 1, {"frère", "sœur", "frère ou sœur"}, {"frère", "sœur", "frère ou sœur"}},
    {1, 2, {"oncle", "tante", "oncle ou tante"}, {"neveu", "nièce", "neveu ou nièce"}},
    {1, 3,
     {"grand-oncle", "grand-tante", "grand-oncle ou grand-tante"},
     {"petit-neveu", "petite-nièce", "petit-neveu ou petite-nièce"}},
    {1, 4,
     {"arrière-grand-oncle", "arrière-grand-tante", "arrière-grand-oncle ou arrière-grand-tante"},
     {"arrière-petit-neveu", "arrière-petite-nièce", "arrière-petit-neveu ou arrière-petite-nièce"}},
    {2, 2,
     {"cousin germain", "cousine germaine", "cousin(e) germain(e)"},
     {"cousin germain", "cousine germaine", "cousin(e) germain(e)"}},
    {2, 3,
     {"oncle à la mode de Bretagne", "tante à la mode de Bretagne", "oncle ou tante à la mode de Bretagne"},
     {"neveu à la mode de Bretagne", "nièce à la mode de Bretagne", "neveu ou nièce à la mode de Bretagne"}},
    {2, 4,
     {"grand-oncle à la mode de Bretagne", "grand-tante à la mode de Bretagne",
      "grand-oncle ou grand-tante à la mode de Bretagne"},
     {"petit-neveu à la mode de Bretagne", "petite-nièce à la mode de Bretagne",
      "petit-neveu ou petite-nièce à la mode de Bretagne"}},
    {3, 3,
     {"cousin issu de germain", "cousine issue de germain", "cousin(e) issu(e) de germain"},
     {"cousin issu de germain", "cousine issue de germain", "cousin(e) issu(e) de germain"}},
    {4, 4,
     {"cousin issu d'issu de germain", "cousine issue d'issue de germain", "cousin(e) issu(e) d'issu(e) de germain"},
     {"cousin issu d'issu de germain", "cousine issue d'issue de germain", "cousin(e) issu(e) d'issu(e) de germain"}},
};

// Brothers and sisters by the parents they share.
constexpr Forms kFullSibling = {"frère germain", "sœur germaine", "frère ou sœur germain(e)"};
constexpr Forms kSameFather = {"frère consanguin", "sœur consanguine", "frère ou sœur consanguin(e)"};
constexpr Forms kSameMother = {"frère utérin", "sœur utérine", "frère ou sœur utérin(e)"};

// Beyond the table, the general forms, N being the generation of the
// program's numbering (the person 1, his parents 2, ...):
//   n = 0, m ≥ 4:  "ascendant à la Ne génération" / "descendant à la Ne génération", N = m + 1;
//   n = m ≥ 5:     "cousin au ne degré canonique";
//   otherwise:     "<name of n = m> d'un ascendant à la Ne génération" /
//                  "descendant à la Ne génération d'un <name of n = m>", N = m - n + 1.
const char* Pick(const Forms& forms, Sex sex) {
  switch (sex) {
    case Sex::Male: return forms.male;
    case Sex::Female: return forms.female;
    case Sex::Unknown: break;
  }
  return forms.either;
}

const NamedKinship* FindNamed(int n, int m) {
  for (const NamedKinship& named : kNamedKinships) {
    if (named.n == n && named.m == m) return &named;
  }
  return nullptr;
}

// "demi-" before the name and before each alternative of "X ou Y".
std::string Half(const std::string& name) {
  std::string result = "demi-" + name;
  for (std::size_t at = result.find(" ou "); at != std::string::npos; at = result.find(" ou ", at + 9)) {
    result.insert(at + 4, "demi-");
  }
  return result;
}

std::string Generation(int n) { return "à la " + Ordinal(n) + " génération"; }

// The name of equal generations n ≥ 1, half or not (brothers and sisters
// without their qualifier).
std::string SameGenerationName(int n, bool half, Sex sex) {
  std::string name;
  if (const NamedKinship* named = FindNamed(n, n)) {
    name = Pick(named->nearer, sex);
  } else {
    name = Pick({"cousin", "cousine", "cousin(e)"}, sex) + std::string(" au ") + Ordinal(n) + " degré canonique";
  }
  return half ? Half(name) : name;
}

std::string DirectName(int own, int other, Sex sex) {
  const int generations = std::max(own, other);
  if (const NamedKinship* named = FindNamed(0, generations)) return Pick(own == 0 ? named->nearer : named->farther, sex);
  const Forms forms = own == 0 ? Forms{"ascendant", "ascendante", "ascendant(e)"} : Forms{"descendant", "descendante", "descendant(e)"};
  return Pick(forms, sex) + std::string(" ") + Generation(generations + 1);
}

std::string CollateralName(int own, int other, bool half, Sex sex) {
  const int n = std::min(own, other);
  const int m = std::max(own, other);
  if (const NamedKinship* named = FindNamed(n, m)) {
    const std::string name = Pick(own == n ? named->nearer : named->farther, sex);
    return half ? Half(name) : name;
  }
  if (n == m) return SameGenerationName(n, half, sex);
  const int generation = m - n + 1;
  if (own == n) return SameGenerationName(n, half, sex) + " d'un ascendant " + Generation(generation);
  const std::string relative = n == 1 ? (half ? "demi-frère ou d'une demi-sœur" : "frère ou d'une sœur")
                                      : SameGenerationName(n, half, Sex::Male);
  return Pick({"descendant", "descendante", "descendant(e)"}, sex) + std::string(" ") + Generation(generation) +
         " d'un " + relative;
}

}  // namespace

std::string Ordinal(int n) { return n == 1 ? "1er" : std::to_string(n) + "e"; }

std::string KinshipName(int own, int other, WayKind kind, Sex sex) {
  std::string name;
  if (kind == WayKind::Descent || own == 0 || other == 0) {
    name = DirectName(own, other, sex);
  } else if (own == 1 && other == 1) {
    name = Pick(kind == WayKind::HalfSameFather   ? kSameFather
                : kind == WayKind::HalfSameMother ? kSameMother
                                                  : kFullSibling,
                sex);
    if (kind == WayKind::Half) name = Half(Pick(FindNamed(1, 1)->nearer, sex));
  } else {
    name = CollateralName(own, other, kind != WayKind::Full, sex);
  }
  return Cp1252FromUtf8(name);
}

std::string CivilDegreeText(int a, int b) { return Cp1252FromUtf8(Ordinal(a + b) + " degré"); }

std::string CanonicalDegreeText(int a, int b) {
  const int low = std::min(a, b);
  const int high = std::max(a, b);
  if (low == high || low == 0) return Cp1252FromUtf8(Ordinal(high) + " degré");
  return Cp1252FromUtf8("du " + Ordinal(low) + " au " + Ordinal(high) + " degré");
}

}  // namespace quenor
