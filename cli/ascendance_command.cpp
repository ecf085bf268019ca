#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "ancestry/ancestry_analysis.h"
#include "cli/commands.h"
#include "cli/console_ui.h"
#include "cli/graphique_output.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "session/person_choice.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

constexpr int kLargestPicture = 20000;

struct AscendanceOptions {
  std::string gedcomPath;
  int32_t number = 0;
  std::string chartPath;  // empty: no chart
  int width = 1600;
  int height = 1000;
};

// "LARGEURxHAUTEUR" in pixels, each from 1 to 20 000.
bool ParseSize(const std::string& text, int& width, int& height) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string::npos || x == 0 || x + 1 >= text.size()) return false;
  const std::string w = text.substr(0, x), h = text.substr(x + 1);
  if (w.find_first_not_of("0123456789") != std::string::npos || h.find_first_not_of("0123456789") != std::string::npos ||
      w.size() > 5 || h.size() > 5)
    return false;
  width = std::atoi(w.c_str());
  height = std::atoi(h.c_str());
  return width >= 1 && height >= 1 && width <= kLargestPicture && height <= kLargestPicture;
}

std::string ParseOptions(const Arguments& args, AscendanceOptions& options) {
  if (args.size() < 2) return "la commande ascendance attend FICHIER.ged et NUMÉRO";
  options.gedcomPath = args[0];
  if (!ParsePersonNumber(args[1], options.number)) return "numéro d'individu invalide : " + args[1];
  bool sizeGiven = false;
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) return option == "--graphique" || option == "--taille" ? "valeur manquante après " + option
                                                                                     : "option inconnue : " + option;
    const std::string& value = args[++i];
    if (option == "--graphique") {
      options.chartPath = value;
    } else if (option == "--taille") {
      if (!ParseSize(value, options.width, options.height))
        return "taille invalide : " + value + " (LARGEURxHAUTEUR en pixels, par exemple 1600x1000)";
      sizeGiven = true;
    } else {
      return "option inconnue : " + option;
    }
  }
  if (sizeGiven && options.chartPath.empty()) return "--taille ne va qu'avec --graphique";
  if (!options.chartPath.empty()) {
    const std::string extension = std::filesystem::path(options.chartPath).extension().string();
    if (extension != ".svg" && extension != ".png" && extension != ".SVG" && extension != ".PNG")
      return "le graphique s'écrit en .svg ou en .png : " + options.chartPath;
  }
  return {};
}

}  // namespace

int RunAscendanceCommand(const Arguments& args) {
  AscendanceOptions options;
  const std::string error = ParseOptions(args, options);
  if (!error.empty()) return UsageError(error);
  if (!options.chartPath.empty() && !ChartPicturesAvailable())
    return UsageError("cette version ne sait pas écrire d'image (--graphique)");
  ConsoleUi ui;
  SystemClock clock;
  Session session(ui, std::filesystem::current_path().string(), clock);
  if (LoadForCommand(session, options.gedcomPath) != kExitDone) return kExitRefused;
  if (session.index.IndividualRecord(options.number) == nullptr) {
    session.Message(args[1], "Le fichier ne contient aucune personne portant ce numéro"_ansi, MessageIcon::Stop);
    return kExitRefused;
  }
  session.selectionMode = 1;
  session.chosenLine = ListLineOf(session.index, options.number);
  if (AnalyseAncestry(session) != AncestryOutcome::Analysed) return kExitRefused;
  if (options.chartPath.empty()) return kExitDone;
  if (!WriteCompletenessChartPicture(session, options.chartPath, options.width, options.height)) return kExitRefused;
  session.Status("Graphique de complétude écrit : "_ansi + Cp1252FromUtf8(options.chartPath));
  return kExitDone;
}

}  // namespace quenor
