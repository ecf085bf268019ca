#include "cli/usage.h"

#include <array>

#include "platform/version.h"

namespace quenor {
namespace {

struct CommandHelp {
  std::string_view name;
  std::string_view synopsis;     // after "quenor-cli "
  std::string_view description;  // lines of the help, already indented
};

constexpr std::array kCommands = {
    CommandHelp{"liste", "liste FICHIER.ged",
                "      charge le fichier et écrit la liste alphabétique LstGED.TXT\n"},
    CommandHelp{"ascendance", "ascendance FICHIER.ged NUMÉRO [OPTIONS]",
                "      analyse l'ascendance de l'individu NUMÉRO : LstAscd.TXT, Stat.TXT,\n"
                "      sa consanguinité Consang.TXT et, s'il y a des ascendants répétés,\n"
                "      LstRep.TXT\n"
                "      --graphique F.svg   écrit aussi le graphique de complétude et d'implexe\n"
                "                          (F.svg, image vectorielle, ou F.png)\n"
                "      --taille LxH        taille du graphique en pixels (1600x1000)\n"},
    CommandHelp{"liens", "liens FICHIER.ged NUMÉRO1 NUMÉRO2",
                "      cherche les liens de parenté entre deux individus : LstSouch.TXT et\n"
                "      LignCol.TXT, ou LstDesc.TXT et OrgDesc.TXT pour une descente, puis\n"
                "      leurs degrés de parenté et leurs coefficients sur toutes les\n"
                "      générations : Parente.TXT\n"},
    CommandHelp{"consanguinite", "consanguinite FICHIER.ged [NUMÉRO]",
                "      calcule la consanguinité de chaque individu : LstConsg.TXT ;\n"
                "      avec NUMÉRO, aussi la consanguinité de cet individu : Consang.TXT\n"},
    CommandHelp{"eventail", "eventail FICHIER.ged NUMÉRO [OPTIONS]",
                "      dessine l'éventail des ascendants de l'individu NUMÉRO dans une\n"
                "      sortie au moins parmi --script, --pdf et --svg\n"
                "      --generations G     nombre de générations, de 4 à 12 (6)\n"
                "      --echelle S         échelle, de 0.3 à 2.0 (1.00)\n"
                "      --premier N         numéro Stradonitz de la première personne (1)\n"
                "      --texte T           texte sous l'éventail (\"Ancêtres de <prénoms nom>\")\n"
                "      --note LIGNE        ligne de note, répétable, 4 au plus\n"
                "      --angles-inverses   angles inversés\n"
                "      --script F.scr      écrit le script AutoCAD\n"
                "      --pdf F.pdf         écrit les pages imprimées\n"
                "      --papier P          papier des pages : Letter (par défaut), Legal,\n"
                "                          Tabloid, A0, A1, A2, A3, A4 ou A5\n"
                "      --affiche           écrit le PDF en une seule page à la taille réelle\n"
                "      --svg F.svg         écrit l'éventail entier en image vectorielle\n"
                "      --couleurs C        remplit les cases du PDF et du SVG : generation (une\n"
                "                          couleur par génération), lignee (les côtés paternel et\n"
                "                          maternel et les quatre grands-parents) ou aucune (défaut)\n"},
};

constexpr std::string_view kProgram = "quenor-cli";

constexpr std::string_view kIntroduction =
    "Usage : quenor-cli COMMANDE FICHIER.ged [ARGUMENTS]\n"
    "        quenor-cli COMMANDE --help\n"
    "        quenor-cli --help | --version\n"
    "\n"
    "Analyse d'ascendance et liens de parenté à partir d'un fichier GEDCOM.\n"
    "Les rapports sont écrits dans le répertoire courant, comme le fait le\n"
    "programme Quenor ; l'avancement du travail s'affiche sur la sortie\n"
    "standard, les messages sur la sortie d'erreur.\n"
    "\n"
    "Commandes :\n";

constexpr std::string_view kConclusion =
    "\n"
    "NUMÉRO est le numéro d'individu de l'identifiant GEDCOM (@I123@ : 123),\n"
    "tel que le montre la liste alphabétique.\n"
    "\n"
    "Options générales :\n"
    "  -h, --help      affiche cette aide ; après une commande, son usage\n"
    "  -V, --version   affiche la version\n"
    "\n"
    "Code de sortie : 0 terminé, 1 fichier ou personne refusé, 2 erreur d'usage.\n";

const CommandHelp* Find(std::string_view command) {
  for (const CommandHelp& help : kCommands) {
    if (help.name == command) return &help;
  }
  return nullptr;
}

std::string UsageLine(const CommandHelp& help) {
  return "Usage : " + std::string(kProgram) + " " + std::string(help.synopsis) + "\n";
}

}  // namespace

std::string ProgramHelp() {
  std::string text(kIntroduction);
  for (const CommandHelp& help : kCommands) {
    text += "  ";
    text += help.synopsis;
    text += '\n';
    text += help.description;
  }
  return text + std::string(kConclusion);
}

std::string CommandUsage(std::string_view command) {
  const CommandHelp* help = Find(command);
  if (!help) return {};
  return UsageLine(*help) + "\n" + std::string(help->description);
}

std::string UsageHint(std::string_view command) {
  const CommandHelp* help = Find(command);
  const std::string general = "Essayez « quenor-cli --help ».\n";
  if (!help) return general;
  return UsageLine(*help) + "Essayez « quenor-cli " + std::string(help->name) + " --help ».\n";
}

bool IsHelpRequest(std::string_view argument) {
  return argument == "-h" || argument == "--help";
}

bool IsVersionRequest(std::string_view argument) { return argument == "-V" || argument == "--version"; }

std::string VersionLine() { return std::string(kProgram) + " " + kQuenorVersion + "\n"; }

}  // namespace quenor
