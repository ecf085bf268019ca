#include "gedcom/alphabetical_list.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <vector>

#include "gedcom/record_fields.h"
#include "platform/collation.h"
#include "platform/cp1252.h"
#include "platform/report_file.h"
#include "session/session.h"

namespace quenor {

using namespace literals;

namespace {

constexpr int kTitleWidth = 105;
constexpr std::size_t kNumberWidth = 7;
constexpr std::size_t kNameWidth = 40;
constexpr std::size_t kContinuationIndent = 49;

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

void WriteHeader(ReportFile& file, const Session& session) {
  WriteTitle(file, AlphabeticalListTitle(session.index.IndividualCount(), session.index.FamilyCount(),
                                         session.dataFolder));
  file.Write(ColumnHeading());
  file.Write("\n");
  file.Write(Underline());
  file.Write("\n");
}

// The marriage line of each family, computed once however many spouses name it.
class MarriageLineCache {
 public:
  explicit MarriageLineCache(const GedcomIndex& index)
      : index_(index), slots_(static_cast<std::size_t>(GedcomIndex::kMaxFamily) + 1, 0) {}

  std::string LineOf(int32_t family) {
    if (family < 0 || family > GedcomIndex::kMaxFamily) return MarriageLine(index_, family);
    uint32_t& slot = slots_[static_cast<std::size_t>(family)];
    if (slot == 0) {
      lines_.push_back(MarriageLine(index_, family));
      slot = static_cast<uint32_t>(lines_.size());
    }
    return lines_[slot - 1];
  }

 private:
  const GedcomIndex& index_;
  std::vector<uint32_t> slots_;  // 0: not computed yet, else 1 + place in lines_
  std::vector<std::string> lines_;
};

// "%7ld  %-40s %s" then "%49s %s" for the further marriages.
void AppendPersonLines(std::string& out, const GedcomIndex& index, MarriageLineCache& marriages, int32_t n,
                       std::string_view name) {
  char number[16];
  const auto [end, ec] = std::to_chars(number, number + sizeof number, n);
  (void)ec;
  const auto digits = static_cast<std::size_t>(end - number);
  if (digits < kNumberWidth) out.append(kNumberWidth - digits, ' ');
  out.append(number, digits);
  out.append("  ");
  out.append(name);
  if (name.size() < kNameWidth) out.append(kNameWidth - name.size(), ' ');
  out.push_back(' ');
  const std::array<std::string, 6> lines =
      MarriagesOf(index, n, [&marriages](int32_t family) { return marriages.LineOf(family); });
  out.append(lines[0]);
  out.push_back('\n');
  for (std::size_t m = 1; m < lines.size() && !lines[m].empty(); ++m) {
    out.append(kContinuationIndent + 1, ' ');
    out.append(lines[m]);
    out.push_back('\n');
  }
}

// The lines of every entry, made in file order, where the records lie one
// after the other in memory, and kept until they are written in name order.
class EntryLines {
 public:
  EntryLines(const GedcomIndex& index, const SortList& list) {
    MarriageLineCache marriages(index);
    starts_.reserve(list.Size() + 1);
    text_.reserve(list.Size() * 96);
    for (std::size_t i = 0; i < list.Size(); ++i) {
      starts_.push_back(text_.size());
      const int32_t n = list.Number(i);
      // The name is read again from the record the index holds for n, unless
      // that is the very record the list's name came from (a later record
      // with the same number wins, and then gives its name to both lines).
      const int32_t offset = index.Individual(n).recordOffset;
      if (offset != 0 && offset == list.RecordOffset(i)) {
        AppendPersonLines(text_, index, marriages, n, list.Name(i));
      } else {
        AppendPersonLines(text_, index, marriages, n, PersonName(index, 1, n));
      }
    }
    starts_.push_back(text_.size());
  }

  std::string_view Of(std::size_t entry) const {
    return std::string_view(text_).substr(starts_[entry], starts_[entry + 1] - starts_[entry]);
  }

 private:
  std::string text_;
  std::vector<std::size_t> starts_;
};

void TellWriteFailure(Session& session, const std::string& path, bool created) {
  const std::string name = Cp1252FromUtf8(path);
  const std::string text = created ? "Impossible d'écrire le fichier "_ansi + name +
                                         ".\n\nVérifiez qu'il reste de la place sur le disque."_ansi
                                   : "Impossible de créer le fichier "_ansi + name +
                                         ".\n\nVérifiez que vous avez le droit d'écrire dans ce répertoire."_ansi;
  session.Message("Erreur", text, MessageIcon::Stop);
}

}  // namespace

std::string AlphabeticalListTitle(int32_t individuals, int32_t families, const std::string& dataFolder) {
  return "Liste alphabétique des "_ansi + FormatCount(individuals) + " personnes et "_ansi + FormatCount(families) +
         " mariages associés du fichier "_ansi + dataFolder;
}

bool WriteAlphabeticalList(Session& session, SortList& list) {
  SortByName(list, *OpenCollation(CollationLocaleFromEnvironment()));
  session.Status("Enregistrement...");
  const std::string& path = session.SlotPath(kSlotAlphabeticalList);
  ReportFile file;
  if (!file.Create(path)) {
    list.Clear();
    TellWriteFailure(session, path, false);
    return false;
  }
  WriteHeader(file, session);
  {
    const EntryLines lines(session.index, list);
    for (uint32_t entry : list.Order()) file.Write(lines.Of(entry));
  }
  list.Clear();
  if (!file.Close()) {
    TellWriteFailure(session, path, true);
    return false;
  }
  return true;
}

}  // namespace quenor
