#pragma once
// "Consanguinité de tous les individus": the coefficient of inbreeding of
// every individual of the file, LstConsg.TXT.
#include <cstdint>
#include <string>
#include <vector>

namespace quenor {

class GedcomIndex;
class Session;

// The consanguineous persons of the file, the highest coefficient first, and
// the persons whose coefficient has no value.
struct ConsanguinityFigures {
  struct Row {
    int32_t person;
    double inbreeding;
  };
  struct Undefined {
    int32_t person;
    int32_t loop;  // a person of the loop he is on or descends from (himself when on it)
  };
  int32_t individuals = 0;           // persons of the file
  std::vector<Row> consanguineous;   // F > 0, highest first, then by number
  std::vector<Undefined> undefined;  // by number
};

// F of every individual of the file.
ConsanguinityFigures MeasureConsanguinity(const GedcomIndex& index, unsigned threads = 0);

// Measures, writes report slot 12 (its content flag set) and shows it; the
// persons whose coefficient has no value are listed at its end and the user
// is warned of them. Returns false, after telling the user, when the file
// cannot be written.
bool ListConsanguinity(Session& session);

}  // namespace quenor
