#include "gedcom/alphabetical_list.h"

#include <algorithm>

#include "gedcom/gedcom_index.h"
#include "gedcom/list_entry_lines.h"
#include "gedcom/record_fields.h"
#include "platform/collation.h"
#include "gedcom/marriage_lines.h"
#include "platform/cp1252.h"
#include "platform/ordered_blocks.h"
#include "platform/report_file.h"
#include "platform/user_interface.h"

namespace quenor {

using namespace literals;

namespace {

constexpr int kTitleWidth = 105;
// Persons whose lines are made as one block.
constexpr std::size_t kEntriesPerBlock = 8192;

const std::string& ColumnHeading() {
  static const std::string heading =
      "# Enrg.  Nom, prénom                              Date du mariage Lieu du mariage"_ansi;
  return heading;
}

// The table rule under the heading, made of the byte 0x97.
std::string Underline() {
  auto run = [](std::size_t n) { return std::string(n, '\x97'); };
  return run(7) + "  " + run(40) + " " + run(15) + " " + run(40);
}

// "%*s%s\n\n" with an empty padded text: the title centred on 105 columns.
void WriteTitle(ReportFile& file, const std::string& title) {
  const int margin = std::max(0, (kTitleWidth - static_cast<int>(title.size())) / 2);
  file.Write(' ', static_cast<std::size_t>(margin));
  file.Write(title);
  file.Write("\n\n");
}

void WriteHeader(ReportFile& file, const GedcomIndex& index, const std::string& dataFolder) {
  WriteTitle(file, AlphabeticalListTitle(index.IndividualCount(), index.FamilyCount(), dataFolder));
  file.Write(ColumnHeading());
  file.Write("\n");
  file.Write(Underline());
  file.Write("\n");
}

void TellWriteFailure(UserInterface& ui, const std::string& path, bool created) {
  const std::string name = Cp1252FromUtf8(path);
  const std::string text = created ? "Impossible d'écrire le fichier "_ansi + name +
                                         ".\n\nVérifiez qu'il reste de la place sur le disque."_ansi
                                   : "Impossible de créer le fichier "_ansi + name +
                                         ".\n\nVérifiez que vous avez le droit d'écrire dans ce répertoire."_ansi;
  ui.ShowMessage("Erreur", text, MessageIcon::Stop);
}

// The person lines in name order, made block by block on the threads of the pool.
void WritePersonLines(ReportFile& file, const ListEntryLines& lines, const std::vector<uint32_t>& order,
                      WorkerPool& workers) {
  BlockWork work;
  work.count = static_cast<int>((order.size() + kEntriesPerBlock - 1) / kEntriesPerBlock);
  work.produce = [&](int block, std::string& text) {
    const std::size_t first = static_cast<std::size_t>(block) * kEntriesPerBlock;
    const std::size_t end = std::min(first + kEntriesPerBlock, order.size());
    text.reserve((end - first) * 96);
    lines.Append(std::span<const uint32_t>(order).subspan(first, end - first), text);
  };
  work.consume = [&file](const std::string& text) { file.WriteRaw(text); };
  ProduceInOrder(work, workers);
}

}  // namespace

std::string AlphabeticalListTitle(int32_t individuals, int32_t families, const std::string& dataFolder) {
  return "Liste alphabétique des "_ansi + FormatCount(individuals) + " personnes et "_ansi + FormatCount(families) +
         " mariages associés du fichier "_ansi + dataFolder;
}

bool WriteAlphabeticalList(const std::string& path, const GedcomIndex& index, const std::string& dataFolder,
                           SortList& list, UserInterface& ui, WorkerPool& workers) {
  SortByName(list, *OpenCollation(CollationLocaleFromEnvironment()), workers);
  ui.ShowStatus("Enregistrement...");
  ReportFile file;
  if (!file.Create(path)) {
    list.Clear();
    TellWriteFailure(ui, path, false);
    return false;
  }
  WriteHeader(file, index, dataFolder);
  WritePersonLines(file, ListEntryLines(index, list), list.Order(), workers);
  list.Clear();
  if (!file.Close()) {
    TellWriteFailure(ui, path, true);
    return false;
  }
  return true;
}

}  // namespace quenor
