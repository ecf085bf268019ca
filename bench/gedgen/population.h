#pragma once
// The synthetic population a generated file describes: persons and families
// numbered from 1, as their identifiers @I1@ and @F1@ will carry them.
#include <cstdint>
#include <vector>

#include "bench/gedgen/random.h"

namespace quenor::gedgen {

enum class Sex : uint8_t { Male, Female };

struct Person {
  int32_t parentFamily = 0;           // 0: parents unknown
  int32_t families[2] = {0, 0};       // up to two marriages, in order
  int16_t birthYear = 0;
  uint16_t surname = 0;               // index into Surnames()
  uint8_t given[3] = {0, 0, 0};       // indices into the given names of the sex
  uint8_t givenCount = 1;             // 0: given names unknown ("1 NAME /Martin/")
  Sex sex = Sex::Male;
  bool named = true;                  // false: the record has no NAME line
};

struct Family {
  int32_t husband = 0;
  int32_t wife = 0;
  int32_t firstChild = 0;  // the children carry consecutive numbers
  int32_t childCount = 0;
  int32_t otherChild = 0;  // a child numbered apart from the others, 0: none
  int16_t marriageYear = 0;
};

struct PopulationOptions {
  int32_t individuals = 1000;
  // 0, or the number of generations of the complete pedigree of person 1
  // (person k of the pedigree is its Sosa number k).
  int pedigreeGenerations = 0;
  // With a pedigree: person 2^G (G its generations) gets a complete pedigree
  // of G generations too, of other persons but for the first couple of its
  // last generation, who is the first couple of person 1's last generation:
  // the two are cousins whose common ancestors stand at generation G.
  bool cousinPedigree = false;
  uint64_t seed = 1;
  // Each batch of founders is the remaining count divided by this: the
  // larger it is, the fewer founders and the more generations.
  int32_t founderShare = 20;
  // Per mille of the men who marry a first cousin when one is free.
  int32_t cousinMarriages = 40;
  // Per mille of the men who marry a spouse from outside the file (without
  // known parents) rather than a woman of their generation.
  int32_t outsideMarriages = 0;
};

// A population of many generations with pedigree collapse at every one of
// them: few founders, cousins who marry often, spouses from outside that
// keep each pedigree about as sparse as those of real files.
PopulationOptions ImplexPopulation(int32_t individuals, uint64_t seed = 1);

class Population {
 public:
  explicit Population(const PopulationOptions& options);

  int32_t PersonCount() const { return static_cast<int32_t>(persons_.size()) - 1; }
  int32_t FamilyCount() const { return static_cast<int32_t>(families_.size()) - 1; }
  const Person& PersonAt(int32_t n) const { return persons_[n]; }
  const Family& FamilyAt(int32_t f) const { return families_[f]; }

 private:
  void BuildPedigree(int generations);
  void BuildCousinPedigree(int generations);
  void BuildGeneralPopulation(int32_t target);
  std::vector<int32_t> MakeFounders(int32_t count, int16_t year);
  std::vector<int32_t> MarryGeneration(const std::vector<int32_t>& generation, int32_t target);
  int32_t FindUnmarriedFemaleCousin(int32_t man) const;
  int32_t TakeWife(int32_t man, std::vector<int32_t>& women, std::size_t& nextWoman);
  void MarryAgainSometimes(int32_t man, int32_t wife, int32_t target, std::vector<int32_t>& children);
  int32_t NewOutsider(Sex sex, int32_t spouse, int32_t target);

  int32_t NewPerson(Sex sex, int16_t birthYear, int32_t parentFamily, uint16_t surname);
  int32_t NewFamily(int32_t husband, int32_t wife);
  void AddChildren(int32_t family, int32_t count, int32_t target, std::vector<int32_t>& children);
  void NameRandomly(Person& person);
  bool IsMarried(int32_t n) const { return persons_[n].families[0] != 0; }
  bool CanMarryAgain(int32_t n) const { return persons_[n].families[1] == 0; }
  int32_t ChildCountDrawn();

  PopulationOptions options_;
  Random random_;
  std::vector<Person> persons_;   // [0] unused
  std::vector<Family> families_;  // [0] unused
};

}  // namespace quenor::gedgen
