#include "fanchart/fan_highlights.h"

#include <algorithm>
#include <iterator>
#include <unordered_map>

namespace quenor {
namespace {

// Distinct colours, light enough for black text.
constexpr CanvasColour kRepeatedColours[] = {
    RgbColour(255, 170, 170), RgbColour(170, 210, 255), RgbColour(180, 235, 160), RgbColour(255, 200, 130),
    RgbColour(215, 180, 255), RgbColour(140, 230, 220), RgbColour(255, 180, 230), RgbColour(230, 230, 130),
    RgbColour(200, 200, 200), RgbColour(255, 150, 110), RgbColour(150, 190, 150), RgbColour(190, 160, 130),
};

int32_t LastPlace(const std::vector<int32_t>& occupants, int generations) {
  return std::min<int32_t>((int32_t{1} << generations) - 1, static_cast<int32_t>(occupants.size()) - 1);
}

}  // namespace

std::vector<FanFill> RepeatedAncestorFills(const std::vector<int32_t>& occupants, int generations) {
  const int32_t last = LastPlace(occupants, generations);
  std::unordered_map<int32_t, int> places;
  for (int32_t n = 2; n <= last; ++n) {
    if (occupants[n] != 0) ++places[occupants[n]];
  }
  // Colours given in the order the persons are first met.
  std::unordered_map<int32_t, CanvasColour> colours;
  std::vector<FanFill> fills;
  for (int32_t n = 2; n <= last; ++n) {
    const int32_t person = occupants[n];
    if (person == 0 || places[person] < 2) continue;
    auto colour = colours.find(person);
    if (colour == colours.end()) {
      const std::size_t next = colours.size() % std::size(kRepeatedColours);
      colour = colours.emplace(person, kRepeatedColours[next]).first;
    }
    fills.push_back({n, colour->second});
  }
  return fills;
}

std::vector<FanFill> PersonFills(const std::vector<int32_t>& occupants, int generations, int32_t person,
                                 CanvasColour colour) {
  std::vector<FanFill> fills;
  if (person == 0) return fills;
  const int32_t last = LastPlace(occupants, generations);
  for (int32_t n = 2; n <= last; ++n) {
    if (occupants[n] == person) fills.push_back({n, colour});
  }
  return fills;
}

int PlacesOf(const std::vector<int32_t>& occupants, int generations, int32_t person) {
  return static_cast<int>(PersonFills(occupants, generations, person, 0).size());
}

}  // namespace quenor
