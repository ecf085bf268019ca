#pragma once
// The fan chart's settings and the values derived from them.
namespace quenor {

struct FanLayout {
  int generations = 6;
  double scale = 1.0;
};

}  // namespace quenor
