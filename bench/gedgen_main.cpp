// quenor-gedgen: writes a synthetic GEDCOM file of French families.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "bench/gedgen/gedcom_writer.h"
#include "bench/gedgen/output_charset.h"
#include "bench/gedgen/population.h"

namespace {

using quenor::gedgen::GedcomWriter;
using quenor::gedgen::OutputCharset;
using quenor::gedgen::ParseOutputCharset;
using quenor::gedgen::Population;
using quenor::gedgen::PopulationOptions;
using quenor::gedgen::WriterOptions;

constexpr int kMaxPedigreeGenerations = 20;
constexpr long long kMaxIndividuals = 10'000'000;

constexpr const char* kUsage =
    "usage : quenor-gedgen [--individus N] [--codage utf8|utf8-bom|ansel|ansi] [--graine S]\n"
    "                      [--pedigree G [--cousin]] [--implexe] [--lf] [--sortie FICHIER]\n"
    "  --individus N   nombre d'individus (1000 par défaut, au plus 10000000)\n"
    "  --codage C      jeu de caractères écrit (utf8 par défaut)\n"
    "  --graine S      graine : la même graine donne le même fichier (1 par défaut)\n"
    "  --pedigree G    l'individu 1 reçoit une ascendance complète de G générations\n"
    "                  d'ancêtres distincts (G de 1 à 20 ; l'individu k y est le Sosa k)\n"
    "  --cousin        l'individu 2^G reçoit aussi une ascendance complète de G générations,\n"
    "                  d'autres ancêtres sauf le premier couple de la génération G, commun aux deux\n"
    "  --implexe       population d'une quinzaine de générations, peu de fondateurs,\n"
    "                  beaucoup de mariages entre cousins et de conjoints venus d'ailleurs\n"
    "  --lf            fins de ligne LF (CR LF par défaut)\n"
    "  --sortie F      fichier écrit (sortie standard par défaut)\n";

struct Options {
  PopulationOptions population;
  bool implex = false;
  WriterOptions writer;
  std::string outputPath;
};

bool ParseInteger(const char* text, long long low, long long high, long long& value) {
  char* end = nullptr;
  value = std::strtoll(text, &end, 10);
  return end != text && *end == '\0' && value >= low && value <= high;
}

// Reads the options; prints the error and returns nullopt on a bad one.
std::optional<Options> ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view name = argv[i];
    if (name == "--lf") {
      options.writer.crlf = false;
      continue;
    }
    if (name == "--implexe") {
      options.implex = true;
      continue;
    }
    if (name == "--cousin") {
      options.population.cousinPedigree = true;
      continue;
    }
    if (name == "--aide" || name == "--help" || i + 1 >= argc) {
      std::fputs(kUsage, stderr);
      return std::nullopt;
    }
    const char* value = argv[++i];
    long long number = 0;
    bool valid = true;
    if (name == "--individus") {
      valid = ParseInteger(value, 0, kMaxIndividuals, number);
      options.population.individuals = static_cast<int32_t>(number);
    } else if (name == "--pedigree") {
      valid = ParseInteger(value, 0, kMaxPedigreeGenerations, number);
      options.population.pedigreeGenerations = static_cast<int>(number);
    } else if (name == "--graine") {
      valid = ParseInteger(value, 0, (1LL << 62), number);
      options.population.seed = static_cast<uint64_t>(number);
      options.writer.seed = static_cast<uint64_t>(number);
    } else if (name == "--codage") {
      const std::optional<OutputCharset> charset = ParseOutputCharset(value);
      valid = charset.has_value();
      if (valid) options.writer.charset = *charset;
    } else if (name == "--sortie" || name == "-o") {
      options.outputPath = value;
    } else {
      valid = false;
    }
    if (!valid) {
      std::fprintf(stderr, "quenor-gedgen : valeur refusée pour %s : %s\n%s", argv[i - 1], value, kUsage);
      return std::nullopt;
    }
  }
  if (options.implex) {
    const PopulationOptions implex = quenor::gedgen::ImplexPopulation(options.population.individuals, options.population.seed);
    options.population.founderShare = implex.founderShare;
    options.population.cousinMarriages = implex.cousinMarriages;
    options.population.outsideMarriages = implex.outsideMarriages;
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = ParseOptions(argc, argv);
  if (!options) return 2;
  std::FILE* out = options->outputPath.empty() ? stdout : std::fopen(options->outputPath.c_str(), "wb");
  if (out == nullptr) {
    std::fprintf(stderr, "quenor-gedgen : impossible de créer %s : %s\n", options->outputPath.c_str(),
                 std::strerror(errno));
    return 1;
  }
  const Population population(options->population);
  GedcomWriter writer(population, options->writer, out);
  const bool written = writer.Write();
  const bool closed = out == stdout || std::fclose(out) == 0;
  if (!written || !closed) {
    std::fprintf(stderr, "quenor-gedgen : erreur d'écriture\n");
    return 1;
  }
  std::fprintf(stderr, "quenor-gedgen : %d individus, %d familles\n", population.PersonCount(),
               population.FamilyCount());
  return 0;
}
