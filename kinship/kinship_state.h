#pragma once
// What the kinship search keeps between the choice of two persons and the
// consultation of its results.
#include <cstdint>
#include <string>

namespace quenor {

struct KinshipState {
  int32_t firstPerson = 0;
  int32_t secondPerson = 0;
  std::string firstName;
  std::string secondName;
};

}  // namespace quenor
