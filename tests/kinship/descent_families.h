#pragma once
// Hand-written descents shared by the descent and organigram tests.
#include "tests/kinship/family_tree.h"

namespace quenor::testing {

// Paul (3) is the son of Jean (1) and Marie (2).
inline FamilyTree FatherAndSon() {
  FamilyTree tree;
  tree.Person(1, "Jean", "Martin").Person(2, "Marie", "Durand").Person(3, "Paul", "Martin");
  tree.Family(1, 1, 2, {3});
  return tree;
}

// Dernier (18) descends from Adam (10) and Eve (11) by three lines: his
// father Enos is the son of Cain and Abla, brother and sister; his mother Ada
// is the daughter of their brother Seth and of Noema.
inline FamilyTree ThreeLines() {
  FamilyTree tree;
  tree.Person(10, "Adam", "Trois").Person(11, "Eve", "Trois").Person(12, "Cain", "Trois")
      .Person(13, "Abla", "Trois").Person(14, "Seth", "Trois").Person(15, "Enos", "Trois")
      .Person(16, "Noema", "Autre").Person(17, "Ada", "Trois").Person(18, "Dernier", "Trois");
  tree.Family(10, 10, 11, {12, 13, 14}).Family(11, 12, 13, {15}).Family(12, 14, 16, {17}).Family(13, 15, 17, {18});
  return tree;
}

// Denis (27) descends from Xavier (20) and Yvonne (21) by a line of four
// generations through Claude, and one of five through Cora and her daughter
// Helene, Claude's wife: both lines pass through Gilles (26).
inline FamilyTree UnequalLines() {
  FamilyTree tree;
  tree.Person(20, "Xavier", "Haut").Person(21, "Yvonne", "Haut").Person(22, "Claude", "Haut")
      .Person(23, "Cora", "Haut").Person(24, "Gaston", "Bas").Person(25, "Helene", "Bas")
      .Person(26, "Gilles", "Haut").Person(27, "Denis", "Haut");
  tree.Family(20, 20, 21, {22, 23}).Family(21, 24, 23, {25}).Family(22, 22, 25, {26}).Family(23, 26, 0, {27});
  return tree;
}

// Denis (35) is the son of two half-siblings: Xavier (30) had Bruno with
// Anne (31) and Berthe with Claire (32).
inline FamilyTree TwoWives() {
  FamilyTree tree;
  tree.Person(30, "Xavier", "Double").Person(31, "Anne", "Une").Person(32, "Claire", "Deux")
      .Person(33, "Bruno", "Double").Person(34, "Berthe", "Double").Person(35, "Denis", "Double");
  tree.Family(30, 30, 31, {33}).Family(31, 30, 32, {34}).Family(32, 33, 34, {35});
  return tree;
}

}  // namespace quenor::testing
