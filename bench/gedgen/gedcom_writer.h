#pragma once
// Writes a population as a GEDCOM 5.5.1 file: header, individuals, families,
// notes (long texts cut into CONC lines), sources, trailer.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "bench/gedgen/output_charset.h"
#include "bench/gedgen/population.h"
#include "bench/gedgen/random.h"

namespace quenor::gedgen {

struct WriterOptions {
  OutputCharset charset = OutputCharset::Utf8;
  bool crlf = true;  // CR LF line ends, as most files written on Windows
  uint64_t seed = 1;
};

class GedcomWriter {
 public:
  GedcomWriter(const Population& population, const WriterOptions& options, std::FILE* out);

  // Writes the whole file; false when writing failed.
  bool Write();

 private:
  void WriteHeader();
  void WriteIndividual(int32_t n);
  void WriteFamily(int32_t f);
  void WriteEvent(std::string_view tag, int year, int32_t datePerMille, int32_t placePerMille, bool cited);
  void WriteNoteRecord(int32_t note);
  void WriteSourceRecords();
  void WriteTextLines(std::string_view firstLineStart, std::string_view text);

  std::string GivenNames(const Person& person) const;
  std::string DateText(int year);
  std::string_view PlaceText();

  // One line, given as UTF-8 without its line end.
  void Line(std::string_view utf8);
  void Flush();

  const Population& population_;
  WriterOptions options_;
  std::FILE* out_;
  Random random_;
  std::string buffer_;
  std::string line_;
  int32_t noteCount_ = 0;
  bool failed_ = false;
};

// Writes into `path` an ANSI file in which individual 1 has a complete
// pedigree of `generations` generations (individual k is Sosa number k);
// with `cousin`, individual 2^generations too, his cousin whose common
// ancestors stand at the last generation (PopulationOptions::cousinPedigree).
bool WriteCompletePedigree(const std::string& path, int generations, bool cousin = false);

}  // namespace quenor::gedgen
