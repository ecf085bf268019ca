// quenor-cli: the analyses of the desktop program, without windows. Reports
// are written into the current directory, as the program does.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"

namespace {

constexpr const char* kHelp =
    "Usage : quenor-cli COMMANDE FICHIER.ged [ARGUMENTS]\n"
    "\n"
    "Analyse d'ascendance et liens de parenté à partir d'un fichier GEDCOM.\n"
    "Les rapports sont écrits dans le répertoire courant.\n"
    "\n"
    "Commandes :\n"
    "  liste FICHIER.ged\n"
    "      charge le fichier et écrit la liste alphabétique LstGED.TXT\n"
    "  ascendance FICHIER.ged NUMÉRO [OPTIONS]\n"
    "      analyse l'ascendance de l'individu NUMÉRO : LstAscd.TXT, Stat.TXT\n"
    "      et, s'il y a des ascendants répétés, LstRep.TXT\n"
    "      --graphique F.svg   écrit aussi le graphique de complétude et d'implexe\n"
    "                          (F.svg, image vectorielle, ou F.png)\n"
    "      --taille LxH        taille du graphique en pixels (1600x1000)\n"
    "  liens FICHIER.ged NUMÉRO1 NUMÉRO2\n"
    "      cherche les liens de parenté entre deux individus : LstSouch.TXT et\n"
    "      LignCol.TXT, ou LstDesc.TXT et OrgDesc.TXT pour une descente\n"
    "  eventail FICHIER.ged NUMÉRO [OPTIONS]\n"
    "      dessine l'éventail des ascendants de l'individu NUMÉRO\n"
    "      --generations G     nombre de générations, de 4 à 12 (6)\n"
    "      --echelle S         échelle, de 0.3 à 2.0 (1.00)\n"
    "      --premier N         numéro Stradonitz de la première personne (1)\n"
    "      --texte T           texte sous l'éventail (\"Ancêtres de <prénoms nom>\")\n"
    "      --note LIGNE        ligne de note, répétable, 4 au plus\n"
    "      --angles-inverses   angles inversés\n"
    "      --script F.scr      écrit le script AutoCAD\n"
    "      --pdf F.pdf         écrit les pages imprimées (--papier Letter, A4, ...;\n"
    "                          --affiche : une seule page à la taille réelle)\n"
    "      --svg F.svg         écrit l'éventail entier en image vectorielle\n"
    "      --couleurs C        remplit les cases du PDF et du SVG : generation (une\n"
    "                          couleur par génération), lignee (les côtés paternel et\n"
    "                          maternel et les quatre grands-parents) ou aucune (défaut)\n"
    "\n"
    "Options générales :\n"
    "  -h, --help   affiche cette aide\n"
    "\n"
    "Code de sortie : 0 terminé, 1 fichier ou personne refusé, 2 erreur d'usage.\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs(kHelp, stderr);
    return quenor::kExitUsage;
  }
  const std::string command = argv[1];
  if (command == "-h" || command == "--help" || command == "aide") {
    std::fputs(kHelp, stdout);
    return quenor::kExitDone;
  }
  quenor::Arguments args(argv + 2, argv + argc);
  if (command == "liste") return quenor::RunListeCommand(args);
  if (command == "ascendance") return quenor::RunAscendanceCommand(args);
  if (command == "liens") return quenor::RunLiensCommand(args);
  if (command == "eventail") return quenor::RunEventailCommand(args);
  return quenor::UsageError("commande inconnue : " + command);
}
