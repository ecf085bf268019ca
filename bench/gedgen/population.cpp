#include "bench/gedgen/population.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "bench/gedgen/french_corpus.h"

namespace quenor::gedgen {
namespace {

constexpr int16_t kFoundersBirthYear = 1760;
constexpr int16_t kPedigreeYoungestBirthYear = 2000;
constexpr int kYearsPerGeneration = 27;

// Per mille of the events of a life.
constexpr int32_t kStaysSingle = 80;
constexpr int32_t kWidowerRemarries = 60;
constexpr int32_t kWidowRemarries = 40;
constexpr int32_t kLeftWomanMarriesOutsider = 500;
constexpr int32_t kNoNameLine = 3;
constexpr int32_t kGivenNamesUnknown = 10;

// Cumulative per mille of families with 0, 1, 2... children (about 3 on average).
constexpr int32_t kChildCountCumulative[] = {80, 220, 440, 660, 810, 900, 960, 990, 1000};

int16_t Year(int value) { return static_cast<int16_t>(value); }

}  // namespace

PopulationOptions ImplexPopulation(int32_t individuals, uint64_t seed) {
  PopulationOptions options;
  options.individuals = individuals;
  options.seed = seed;
  options.founderShare = 1000;
  options.cousinMarriages = 120;
  options.outsideMarriages = 350;
  return options;
}

Population::Population(const PopulationOptions& options) : options_(options), random_(options.seed) {
  const int32_t target = std::max<int32_t>(options.individuals, 0);
  persons_.reserve(static_cast<std::size_t>(target) + 1);
  families_.reserve(static_cast<std::size_t>(target) / 2 + 2);
  persons_.emplace_back();
  families_.emplace_back();
  if (options.pedigreeGenerations > 0) BuildPedigree(options.pedigreeGenerations);
  if (options.pedigreeGenerations > 1 && options.cousinPedigree) BuildCousinPedigree(options.pedigreeGenerations);
  BuildGeneralPopulation(target);
}

// Person k is the Sosa number k of person 1: 2k his father, 2k+1 his mother,
// family k their marriage with k as its only child. Generation g holds the
// numbers 2^g to 2^(g+1)-1.
void Population::BuildPedigree(int generations) {
  const int32_t last = (int32_t{1} << generations) - 1;
  const int32_t lastFamily = (int32_t{1} << (generations - 1)) - 1;
  persons_.resize(static_cast<std::size_t>(last) + 1);
  families_.resize(static_cast<std::size_t>(lastFamily) + 1);
  const auto surnameCount = static_cast<int32_t>(Surnames().size());
  for (int32_t k = last; k >= 1; --k) {
    Person& person = persons_[k];
    person.sex = (k == 1 || k % 2 == 0) ? Sex::Male : Sex::Female;
    const int generation = std::bit_width(static_cast<uint32_t>(k)) - 1;
    person.birthYear = Year(kPedigreeYoungestBirthYear - kYearsPerGeneration * generation - random_.Below(6));
    person.surname = 2 * k <= last ? persons_[2 * k].surname : static_cast<uint16_t>(random_.Below(surnameCount));
    NameRandomly(person);
    person.named = true;
    if (k <= lastFamily) {
      person.parentFamily = k;
      Family& family = families_[k];
      family.husband = 2 * k;
      family.wife = 2 * k + 1;
      family.firstChild = k;
      family.childCount = 1;
      family.marriageYear = Year(person.birthYear - random_.Between(1, 3));
    }
    if (k > 1) person.families[0] = k / 2;
  }
}

// The cousin of person 1: Sosa number k of his pedigree is person last + k,
// the persons after the shared couple one step further down so that no
// number is left unused; family k of his pedigree is family lastFamily + k,
// but for the shared couple's family, which gets him as its second child.
void Population::BuildCousinPedigree(int generations) {
  const int32_t last = (int32_t{1} << generations) - 1;
  const int32_t lastFamily = (int32_t{1} << (generations - 1)) - 1;
  const int32_t sharedHusband = int32_t{1} << (generations - 1);
  const int32_t sharedFamily = sharedHusband / 2;
  auto person = [&](int32_t k) {
    if (k == sharedHusband || k == sharedHusband + 1) return k;
    return k < sharedHusband ? last + k : last + k - 2;
  };
  auto family = [&](int32_t k) { return k == sharedFamily ? sharedFamily : lastFamily + k; };
  persons_.resize(static_cast<std::size_t>(2 * last - 2) + 1);
  families_.resize(static_cast<std::size_t>(2 * lastFamily) + 1);
  const auto surnameCount = static_cast<int32_t>(Surnames().size());
  for (int32_t k = last; k >= 1; --k) {
    if (k == sharedHusband || k == sharedHusband + 1) continue;
    Person& p = persons_[person(k)];
    p.sex = (k == 1 || k % 2 == 0) ? Sex::Male : Sex::Female;
    const int generation = std::bit_width(static_cast<uint32_t>(k)) - 1;
    p.birthYear = Year(kPedigreeYoungestBirthYear - kYearsPerGeneration * generation - random_.Below(6));
    p.surname = 2 * k <= last ? persons_[person(2 * k)].surname : static_cast<uint16_t>(random_.Below(surnameCount));
    NameRandomly(p);
    p.named = true;
    if (k <= lastFamily) p.parentFamily = family(k);
    if (k > 1) p.families[0] = family(k / 2);
  }
  for (int32_t k = 1; k <= lastFamily; ++k) {
    Family& f = families_[family(k)];
    if (k == sharedFamily) {
      f.otherChild = person(k);
      continue;
    }
    f.husband = person(2 * k);
    f.wife = person(2 * k + 1);
    f.firstChild = person(k);
    f.childCount = 1;
    f.marriageYear = Year(persons_[person(k)].birthYear - random_.Between(1, 3));
  }
}

void Population::BuildGeneralPopulation(int32_t target) {
  while (PersonCount() < target) {
    const int32_t remaining = target - PersonCount();
    const int32_t founders = std::min(remaining, std::max<int32_t>(2, remaining / std::max<int32_t>(1, options_.founderShare)));
    std::vector<int32_t> generation = MakeFounders(founders, kFoundersBirthYear);
    while (!generation.empty() && PersonCount() < target) generation = MarryGeneration(generation, target);
  }
}

std::vector<int32_t> Population::MakeFounders(int32_t count, int16_t year) {
  std::vector<int32_t> founders;
  const auto surnameCount = static_cast<int32_t>(Surnames().size());
  for (int32_t i = 0; i < count; ++i) {
    const Sex sex = i % 2 == 0 ? Sex::Male : Sex::Female;
    // One draw per statement: the order of the draws must not depend on the compiler.
    const int16_t birthYear = Year(year + random_.Between(-10, 10));
    founders.push_back(NewPerson(sex, birthYear, 0, static_cast<uint16_t>(random_.Below(surnameCount))));
  }
  return founders;
}

namespace {

bool AreSiblings(const std::vector<Person>& persons, const std::vector<Family>& families, int32_t a, int32_t b) {
  const int32_t fa = persons[a].parentFamily;
  const int32_t fb = persons[b].parentFamily;
  if (fa == 0 || fb == 0) return false;
  return fa == fb || families[fa].husband == families[fb].husband || families[fa].wife == families[fb].wife;
}

}  // namespace

// Pairs the men of a generation with its women (a few with a first cousin),
// with wives from outside the family when the women run out; some widowers
// and widows marry again. Returns the children, the next generation.
std::vector<int32_t> Population::MarryGeneration(const std::vector<int32_t>& generation, int32_t target) {
  std::vector<int32_t> men;
  std::vector<int32_t> women;
  for (int32_t n : generation) (persons_[n].sex == Sex::Male ? men : women).push_back(n);
  for (std::size_t i = women.size(); i > 1; --i) {
    std::swap(women[i - 1], women[static_cast<std::size_t>(random_.Below(static_cast<int32_t>(i)))]);
  }
  std::vector<int32_t> children;
  std::size_t nextWoman = 0;
  for (int32_t man : men) {
    if (PersonCount() >= target) break;
    if (random_.PerMille(kStaysSingle)) continue;
    int32_t wife = random_.PerMille(options_.cousinMarriages) ? FindUnmarriedFemaleCousin(man) : 0;
    // The draw is made only when asked for, so that files of the other options stay the same.
    const bool fromOutside = wife == 0 && options_.outsideMarriages > 0 && random_.PerMille(options_.outsideMarriages);
    if (wife == 0 && !fromOutside) wife = TakeWife(man, women, nextWoman);
    if (wife == 0) wife = NewOutsider(Sex::Female, man, target);
    if (wife == 0) break;
    AddChildren(NewFamily(man, wife), ChildCountDrawn(), target, children);
    MarryAgainSometimes(man, wife, target, children);
  }
  for (std::size_t i = nextWoman; i < women.size() && PersonCount() < target; ++i) {
    if (IsMarried(women[i]) || !random_.PerMille(kLeftWomanMarriesOutsider)) continue;
    AddChildren(NewFamily(NewOutsider(Sex::Male, women[i], target), women[i]), ChildCountDrawn(), target, children);
  }
  return children;
}

// The first of the next few women of the shuffled list who is neither married
// nor a sister of `man`, or 0. Married women at the head of the list are
// passed over for good.
int32_t Population::TakeWife(int32_t man, std::vector<int32_t>& women, std::size_t& nextWoman) {
  int32_t wife = 0;
  for (std::size_t i = nextWoman; wife == 0 && i < women.size() && i < nextWoman + 8; ++i) {
    if (IsMarried(women[i]) || AreSiblings(persons_, families_, man, women[i])) continue;
    std::swap(women[i], women[nextWoman]);
    wife = women[nextWoman++];
  }
  while (nextWoman < women.size() && IsMarried(women[nextWoman])) ++nextWoman;
  return wife;
}

// A widower who takes a second wife, or a widow a second husband, both from
// outside the family.
void Population::MarryAgainSometimes(int32_t man, int32_t wife, int32_t target, std::vector<int32_t>& children) {
  if (random_.PerMille(kWidowerRemarries) && CanMarryAgain(man)) {
    if (const int32_t second = NewOutsider(Sex::Female, man, target)) {
      AddChildren(NewFamily(man, second), random_.Below(4), target, children);
    }
  } else if (random_.PerMille(kWidowRemarries) && CanMarryAgain(wife)) {
    if (const int32_t second = NewOutsider(Sex::Male, wife, target)) {
      AddChildren(NewFamily(second, wife), random_.Below(4), target, children);
    }
  }
}

// A spouse without known parents, or 0 once the population is complete.
int32_t Population::NewOutsider(Sex sex, int32_t spouse, int32_t target) {
  if (PersonCount() >= target) return 0;
  const int16_t year = Year(persons_[spouse].birthYear + random_.Between(-4, 8));
  return NewPerson(sex, year, 0, static_cast<uint16_t>(random_.Below(static_cast<int32_t>(Surnames().size()))));
}

// A daughter of an uncle or aunt of `man` who is not married yet, or 0.
int32_t Population::FindUnmarriedFemaleCousin(int32_t man) const {
  const int32_t parentFamily = persons_[man].parentFamily;
  if (parentFamily == 0) return 0;
  for (int32_t parent : {families_[parentFamily].husband, families_[parentFamily].wife}) {
    const int32_t grandparents = persons_[parent].parentFamily;
    if (grandparents == 0) continue;
    const Family& g = families_[grandparents];
    for (int32_t sibling = g.firstChild; sibling < g.firstChild + g.childCount; ++sibling) {
      if (sibling == parent) continue;
      for (int32_t family : persons_[sibling].families) {
        if (family == 0) continue;
        const Family& f = families_[family];
        for (int32_t cousin = f.firstChild; cousin < f.firstChild + f.childCount; ++cousin) {
          if (persons_[cousin].sex == Sex::Female && !IsMarried(cousin)) return cousin;
        }
      }
    }
  }
  return 0;
}

int32_t Population::NewPerson(Sex sex, int16_t birthYear, int32_t parentFamily, uint16_t surname) {
  Person person;
  person.sex = sex;
  person.birthYear = birthYear;
  person.parentFamily = parentFamily;
  person.surname = surname;
  NameRandomly(person);
  persons_.push_back(person);
  return PersonCount();
}

int32_t Population::NewFamily(int32_t husband, int32_t wife) {
  Family family;
  family.husband = husband;
  family.wife = wife;
  family.marriageYear =
      Year(std::max(persons_[husband].birthYear, persons_[wife].birthYear) + random_.Between(19, 30));
  families_.push_back(family);
  const int32_t f = FamilyCount();
  for (int32_t spouse : {husband, wife}) {
    Person& person = persons_[spouse];
    (person.families[0] == 0 ? person.families[0] : person.families[1]) = f;
  }
  return f;
}

void Population::AddChildren(int32_t family, int32_t count, int32_t target, std::vector<int32_t>& children) {
  const int32_t father = families_[family].husband;
  for (int32_t i = 0; i < count && PersonCount() < target; ++i) {
    const Sex sex = random_.PerMille(500) ? Sex::Male : Sex::Female;
    const int16_t year = Year(families_[family].marriageYear + 1 + 2 * i + random_.Below(2));
    const int32_t child = NewPerson(sex, year, family, persons_[father].surname);
    Family& f = families_[family];
    if (f.childCount == 0) f.firstChild = child;
    ++f.childCount;
    children.push_back(child);
  }
}

void Population::NameRandomly(Person& person) {
  const auto names = person.sex == Sex::Male ? MaleGivenNames() : FemaleGivenNames();
  const int32_t draw = random_.Below(1000);
  person.givenCount = draw < 600 ? 1 : draw < 900 ? 2 : 3;
  for (int i = 0; i < 3; ++i) person.given[i] = static_cast<uint8_t>(random_.Below(static_cast<int32_t>(names.size())));
  if (random_.PerMille(kGivenNamesUnknown)) person.givenCount = 0;
  person.named = !random_.PerMille(kNoNameLine);
}

int32_t Population::ChildCountDrawn() {
  const int32_t draw = random_.Below(1000);
  int32_t count = 0;
  while (draw >= kChildCountCumulative[count]) ++count;
  return count;
}

}  // namespace quenor::gedgen
