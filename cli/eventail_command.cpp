// quenor-cli eventail: the fan chart of a probant's ancestors, after the
// ancestry analysis, as an AutoCAD script, PDF pages, a PDF poster or SVG.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ancestry/ancestry_analysis.h"
#include "cli/commands.h"
#include "cli/console_ui.h"
#include "cli/eventail_outputs.h"
#include "fanchart/fan_script.h"
#include "fanchart/field_clamps.h"
#include "gedcom/record_fields.h"
#include "platform/cp1252.h"
#include "session/person_choice.h"
#include "session/session.h"

namespace quenor {
namespace {

using namespace literals;

constexpr std::size_t kMaxNoteLines = 4;

struct EventailOptions {
  std::string gedcomPath;
  int32_t person = 0;
  int generations = 6;
  float scale = 1.0f;
  int firstNumber = 1;
  bool textGiven = false;
  std::string text;  // UTF-8
  std::vector<std::string> note;  // UTF-8
  bool anglesInverted = false;
  FanColouring colouring = FanColouring::None;
  std::string scriptPath;
  ChartFileRequest files;
};

// Out-of-range values are brought to their nearest limit, as the dialog does.
int GenerationsOf(const std::string& text) { return static_cast<int>(std::clamp(LeadingInteger(text), 4L, 12L)); }
float ScaleOf(const std::string& text) { return static_cast<float>(std::clamp(LeadingNumber(text), 0.3, 2.0)); }
int FirstNumberOf(const std::string& text) {
  return static_cast<int>(std::clamp(LeadingInteger(text), 1L, 1'000'000'000L));
}

// "aucune", "generation" or "lignee" (accents allowed); false for anything else.
bool ColouringOf(const std::string& text, FanColouring& colouring) {
  static const struct {
    const char* name;
    FanColouring colouring;
  } kNames[] = {{"aucune", FanColouring::None},         {"generation", FanColouring::Generation},
                {"génération", FanColouring::Generation}, {"lignee", FanColouring::Lineage},
                {"lignée", FanColouring::Lineage}};
  for (const auto& name : kNames) {
    if (text == name.name) {
      colouring = name.colouring;
      return true;
    }
  }
  return false;
}

// Reads the options; an empty string when they are sound, else the error.
std::string ParseOptions(const Arguments& args, EventailOptions& options) {
  if (args.size() < 2) return "la commande eventail attend FICHIER.ged et NUMÉRO";
  options.gedcomPath = args[0];
  if (!ParsePersonNumber(args[1], options.person)) return "numéro d'individu invalide : " + args[1];
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (option == "--angles-inverses") { options.anglesInverted = true; continue; }
    if (option == "--affiche") { options.files.poster = true; continue; }
    if (i + 1 >= args.size()) return "valeur manquante après " + option;
    const std::string& value = args[++i];
    if (option == "--generations") options.generations = GenerationsOf(value);
    else if (option == "--echelle") options.scale = ScaleOf(value);
    else if (option == "--premier") options.firstNumber = FirstNumberOf(value);
    else if (option == "--texte") options.text = value, options.textGiven = true;
    else if (option == "--note") options.note.push_back(value);
    else if (option == "--script") options.scriptPath = value;
    else if (option == "--pdf") options.files.pdfPath = value;
    else if (option == "--svg") options.files.svgPath = value;
    else if (option == "--papier") options.files.paper = value;
    else if (option == "--couleurs") {
      if (!ColouringOf(value, options.colouring)) return "couleurs inconnues : " + value + " (generation, lignee ou aucune)";
    }
    else return "option inconnue : " + option;
  }
  if (options.note.size() > kMaxNoteLines) return "la note ne doit pas comporter plus de 4 lignes";
  if (options.scriptPath.empty() && options.files.pdfPath.empty() && options.files.svgPath.empty())
    return "indiquez au moins une sortie : --script, --pdf ou --svg";
  return {};
}

void ApplyOptions(Session& session, const EventailOptions& options) {
  FanLayout& fan = session.fan;
  fan.generationCount = options.generations;
  fan.scale = options.scale;
  fan.firstStradonitz = options.firstNumber;
  fan.probantLine = options.textGiven ? Cp1252FromUtf8(options.text)
                                      : "Ancêtres de "_ansi + PersonName(session.index, 0, session.probantNumber);
  fan.note.clear();
  for (const std::string& line : options.note) fan.note.push_back(Cp1252FromUtf8(line));
  if (fan.note.empty()) fan.note.push_back("");  // the note field holds one empty line
  fan.scriptOption = !options.scriptPath.empty();
  fan.colouring = options.colouring;
  session.anglesInverted = options.anglesInverted;
}

bool WriteOutputs(Session& session, const EventailOptions& options) {
  bool done = true;
  if (!options.scriptPath.empty()) {
    const ScriptExport result = ExportFanScript(session, options.scriptPath);
    done = result == ScriptExport::Written || result == ScriptExport::WithoutAncestors;
    if (done) session.Status("Fichier de commandes AutoCAD écrit : "_ansi + Cp1252FromUtf8(options.scriptPath));
  }
  if (!options.files.pdfPath.empty() || !options.files.svgPath.empty()) {
    if (!WriteChartFiles(session, options.files)) return false;
    if (!options.files.pdfPath.empty()) session.Status("Éventail écrit : "_ansi + Cp1252FromUtf8(options.files.pdfPath));
    if (!options.files.svgPath.empty()) session.Status("Éventail écrit : "_ansi + Cp1252FromUtf8(options.files.svgPath));
  }
  return done;
}

}  // namespace

int RunEventailCommand(const Arguments& args) {
  EventailOptions options;
  const std::string error = ParseOptions(args, options);
  if (!error.empty()) return UsageError(error);
  if ((!options.files.pdfPath.empty() || !options.files.svgPath.empty()) && !ChartFilesAvailable())
    return UsageError("cette version ne sait pas écrire de PDF ni de SVG (seulement --script)");
  ConsoleUi ui;
  SystemClock clock;
  Session session(ui, std::filesystem::current_path().string(), clock);
  if (LoadForCommand(session, options.gedcomPath) != kExitDone) return kExitRefused;
  if (session.index.IndividualRecord(options.person) == nullptr) {
    session.Message(args[1], "Le fichier ne contient aucune personne portant ce numéro"_ansi, MessageIcon::Stop);
    return kExitRefused;
  }
  session.selectionMode = 1;
  session.chosenLine = ListLineOf(session.index, options.person);
  if (AnalyseAncestry(session) != AncestryOutcome::Analysed) return kExitRefused;
  ApplyOptions(session, options);
  return WriteOutputs(session, options) ? kExitDone : kExitRefused;
}

}  // namespace quenor
