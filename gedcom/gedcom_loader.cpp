#include "gedcom/gedcom_loader.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <new>

#include "gedcom/block_index.h"
#include "gedcom/character_set.h"
#include "gedcom/gedcom_index.h"
#include "gedcom/record_blocks.h"
#include "gedcom/renumbering.h"
#include "platform/cp1252.h"
#include "platform/ordered_blocks.h"
#include "platform/read_only_file.h"
#include "platform/user_interface.h"
#include "platform/worker_pool.h"

namespace quenor {

using namespace literals;

namespace {

// Record offsets are 32-bit: the converted text must stay below 2 GiB.
constexpr std::size_t kMaxFileSize = static_cast<std::size_t>(std::numeric_limits<int32_t>::max()) - 16;

enum class IndexOutcome { Done, IndividualTooLarge, FamilyTooLarge };

// What a text holds, at most for nearly every file, for room taken ahead
// (a file that holds more only makes the room grow): a person for every 64
// bytes, with a name of 32 bytes; a FAMS line for every 128 bytes; a family
// for every 256 bytes, with a marriage line of 48 bytes.
constexpr std::size_t kBytesPerPerson = 64;
constexpr std::size_t kNameBytes = 32;
constexpr std::size_t kBytesPerFamsLine = 128;
constexpr std::size_t kBytesPerFamily = 256;
constexpr std::size_t kMarriageLineBytes = 48;

std::string PathText(const std::string& path) { return Cp1252FromUtf8(path); }

std::string TooLargeText() {
  return "Ce fichier est trop volumineux : le programme lit des fichiers GEDCOM de moins de 2 Go.\n\n"
         "    Veuillez extraire seulement la partie pertinente du fichier GEDCOM."_ansi;
}

void RefuseFile(UserInterface& ui, const std::string& path, const std::string& text) {
  ui.ShowMessage(PathText(path), text, MessageIcon::Stop);
}

void RefuseUnreadable(UserInterface& ui, const std::string& path) {
  RefuseFile(ui, path, "Impossible de lire ce fichier."_ansi);
}

// A folder, a device or a pipe is refused before it is opened (reading it
// would fail or never end).
bool IsReadableRegularFile(UserInterface& ui, const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (std::filesystem::is_directory(status)) {
    RefuseFile(ui, path, "Ce chemin désigne un dossier et non un fichier GEDCOM."_ansi);
    return false;
  }
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    RefuseFile(ui, path, "Ce chemin ne désigne pas un fichier ordinaire ; il ne peut pas être lu comme un fichier GEDCOM."_ansi);
    return false;
  }
  return true;
}

// The bytes of a file taken in, a NUL after them.
struct RawText {
  LargeBuffer bytes;
  std::size_t length = 0;
  bool markSaysUtf8 = false;  // a byte order mark said UTF-8 or UTF-16
  std::string_view View() const { return std::string_view(bytes.Data(), length); }
};

bool MakeRoom(UserInterface& ui, RawText& raw, std::size_t length) {
  if (!raw.bytes.Resize(length + 1)) {
    TellOutOfMemory(ui);
    return false;
  }
  raw.length = length;
  raw.bytes.Data()[length] = '\0';
  return true;
}

// A UTF-16 file (its mark already read) decoded to UTF-8.
bool TakeInUtf16(UserInterface& ui, const std::string& path, const ReadOnlyFile& file, std::size_t size,
                 bool bigEndian, RawText& raw) {
  std::string bytes(size, '\0');
  if (!file.ReadInto(bytes.data(), 0, size)) {
    RefuseUnreadable(ui, path);
    return false;
  }
  const std::string utf8 = DecodeUtf16ToUtf8(std::string_view(bytes).substr(2), bigEndian);
  bytes = {};
  if (utf8.size() > kMaxFileSize) {
    RefuseFile(ui, path, TooLargeText());
    return false;
  }
  if (!MakeRoom(ui, raw, utf8.size())) return false;
  std::memcpy(raw.bytes.Data(), utf8.data(), utf8.size());
  return true;
}

// Reads the whole file, without its byte order mark, on every thread of the
// pool; tells the user and returns false when it cannot.
bool ReadWholeFile(UserInterface& ui, const std::string& path, WorkerPool& workers, std::size_t pieceSize,
                   RawText& raw) {
  if (!IsReadableRegularFile(ui, path)) return false;
  ReadOnlyFile file;
  if (!file.Open(path)) {
    RefuseFile(ui, path, "Impossible d'ouvrir ce fichier.\n\nVérifiez qu'il existe et que vous avez le droit de le lire."_ansi);
    return false;
  }
  const int64_t size = file.Size();
  if (size < 0) {
    RefuseUnreadable(ui, path);
    return false;
  }
  if (static_cast<unsigned long long>(size) > kMaxFileSize) {
    RefuseFile(ui, path, TooLargeText());
    return false;
  }
  const auto length = static_cast<std::size_t>(size);
  char start[3] = {};
  const std::size_t peeked = std::min<std::size_t>(length, sizeof start);
  if (!file.ReadInto(start, 0, peeked)) {
    RefuseUnreadable(ui, path);
    return false;
  }
  const ByteOrderMark mark = DetectByteOrderMark(std::string_view(start, peeked));
  raw.markSaysUtf8 = mark != ByteOrderMark::None;
  if (mark == ByteOrderMark::Utf16LittleEndian || mark == ByteOrderMark::Utf16BigEndian) {
    return TakeInUtf16(ui, path, file, length, mark == ByteOrderMark::Utf16BigEndian, raw);
  }
  const std::size_t skipped = mark == ByteOrderMark::Utf8 ? 3 : 0;
  if (!MakeRoom(ui, raw, length - skipped)) return false;
  if (!file.ReadInto(raw.bytes.Data(), skipped, raw.length, workers, pieceSize)) {
    raw.bytes.Release();
    RefuseUnreadable(ui, path);
    return false;
  }
  return true;
}

// The first line (up to 254 characters) must hold "0 HEAD".
bool StartsAsGedcom(std::string_view text) {
  std::size_t end = 0;
  while (end < text.size() && end < 254 && text[end] != '\n' && text[end] != '\r') ++end;
  return text.substr(0, end).find("0 HEAD") != std::string_view::npos;
}

// The folder of the file, without its final separator, as a report title shows it.
// A relative path (given on the command line) is taken from the current directory.
std::string DataFolderOf(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  const std::string full = error ? path : absolute.string();
  const std::size_t slash = full.find_last_of('/');
  return PathText(slash == std::string::npos ? std::string() : full.substr(0, slash));
}

// The character set of a file whose header declares none: UTF-8 when the
// whole text is well-formed UTF-8 with some character beyond ASCII. No
// character lies across two blocks, so the blocks are checked apart.
CharacterSet UndeclaredCharacterSet(std::string_view text, const std::vector<std::size_t>& blocks,
                                    WorkerPool& workers) {
  std::atomic<bool> malformed{false};
  std::atomic<bool> beyondAscii{false};
  workers.Run(static_cast<int>(blocks.size()), [&](int i) {
    const auto k = static_cast<std::size_t>(i);
    const std::size_t end = k + 1 < blocks.size() ? blocks[k + 1] : text.size();
    const std::string_view block = text.substr(blocks[k], end - blocks[k]);
    if (malformed) return;
    if (IsUtf8WithNonAscii(block)) {
      beyondAscii = true;
    } else if (std::any_of(block.begin(), block.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; })) {
      malformed = true;
    }
  });
  return beyondAscii && !malformed ? CharacterSet::Utf8 : CharacterSet::Ansi;
}

// One file read, converted and indexed: the chosen file, or its renumbered copy.
class FileLoad {
 public:
  FileLoad(UserInterface& ui, GedcomIndex& index, GedcomLoad& load, WorkerPool& workers,
           const LoadBlockSizes& sizes)
      : ui_(ui), index_(index), load_(load), workers_(workers), sizes_(sizes) {}

  // False when the file was refused (the user was told).
  bool TakeIn(const std::string& path) {
    raw_.bytes = index_.ReleaseText();
    if (!ReadWholeFile(ui_, path, workers_, sizes_.read, raw_)) {
      raw_.bytes.Release();
      return false;
    }
    if (!StartsAsGedcom(raw_.View())) {
      raw_.bytes.Release();
      RefuseFile(ui_, path, "Ce fichier n'a pas le format GEDCOM");
      return false;
    }
    ui_.SetCaption("Fichier de données: "_ansi + PathText(path));
    blocks_ = RecordBlockStarts(raw_.View(), sizes_.records);
    charset_ = CharacterSet::Utf8;
    if (!raw_.markSaysUtf8) {
      const auto declared = DeclaredCharacterSet(raw_.View());
      charset_ = declared ? *declared : UndeclaredCharacterSet(raw_.View(), blocks_, workers_);
    }
    load_.textPath = path;
    return true;
  }

  IndexOutcome Index() {
    ui_.ShowStatus("Lecture du fichier de données en cours..."_ansi);
    ui_.HideReport();
    load_.list.Clear();
    index_.MutableMarriages().Clear();
    load_.skippedWithoutNumber = 0;
    ReserveRoom();
    // A few blocks are under way at any time: each takes its place in turn,
    // keeping the room the block before it took.
    std::vector<IndexedBlock> places(static_cast<std::size_t>(BlocksInFlight(workers_)));
    auto place = [&](int i) -> IndexedBlock& { return places[static_cast<std::size_t>(i) % places.size()]; };
    std::vector<std::size_t> lengths(blocks_.size());
    char* const text = raw_.bytes.Data();
    IndexStop stop = IndexStop::None;
    // Blocks are converted and read on any thread, and put into the index in
    // file order while later ones are still being read.
    OrderedWork work;
    work.count = static_cast<int>(blocks_.size());
    work.produce = [&](int i) {
      const auto k = static_cast<std::size_t>(i);
      const std::size_t rawLength = BlockEnd(k) - blocks_[k];
      lengths[k] = ConvertRecordBlock(text + blocks_[k], rawLength, charset_);
      // What conversion freed before the next block: empty record texts.
      if (lengths[k] < rawLength) std::memset(text + blocks_[k] + lengths[k], 0, rawLength - lengths[k]);
      IndexRecordBlock(text, blocks_[k], blocks_[k] + lengths[k], place(i));
    };
    // Every block is converted; those after the one that stops the pass are
    // not indexed.
    work.consume = [&](int i) {
      IndexedBlock& block = place(i);
      if (stop == IndexStop::None) {
        PutInIndex(block);
        stop = block.stop;
      }
      block.Clear();
      return true;
    };
    RunInOrder(work, workers_);
    index_.AdoptText(std::move(raw_.bytes), blocks_.back() + lengths.back());
    switch (stop) {
      case IndexStop::IndividualTooLarge: return IndexOutcome::IndividualTooLarge;
      case IndexStop::FamilyTooLarge: return IndexOutcome::FamilyTooLarge;
      default: return IndexOutcome::Done;
    }
  }

 private:
  // Room for what the text holds, taken only as it is filled: the list
  // seldom moves while blocks are put into it. The marriage lines by family
  // number start with room for as many families as the text may hold, not
  // for the highest number a file may give (20 MB that a small file would
  // take and give back at every load); a larger number makes the room grow.
  void ReserveRoom() {
    const std::size_t entries = raw_.length / kBytesPerPerson + 1;
    load_.list.Reserve(entries, entries * kNameBytes, raw_.length / kBytesPerFamsLine + 1);
    const std::size_t families = raw_.length / kBytesPerFamily + 1;
    index_.MutableMarriages().Reserve(families, families * kMarriageLineBytes, static_cast<int32_t>(std::min<std::size_t>(families, GedcomIndex::kMaxFamily)));
  }

  std::size_t BlockEnd(std::size_t k) const { return k + 1 < blocks_.size() ? blocks_[k + 1] : raw_.length; }

  void PutInIndex(IndexedBlock& block) {
    for (const IndividualPlace& person : block.individuals) {
      // A later record with the same number wins; both are counted.
      if (index_.Individual(person.number).recordOffset != 0) load_.list.NoteRepeatedNumber(person.number);
      index_.SetIndividual(person.number, person.recordOffset, person.parentFamily);
    }
    MarriageLines& marriages = index_.MutableMarriages();
    const uint32_t firstLine = marriages.Append(block.marriages);
    for (const FamilyPlace& family : block.families) {
      index_.SetFamily(family.number, FamilyEntry{family.recordOffset, family.husband, family.wife});
      marriages.Assign(family.number,
                       family.marriage == MarriageLines::kNone ? family.marriage : firstLine + family.marriage);
    }
    load_.list.Append(block.entries);
    load_.skippedWithoutNumber += block.skippedWithoutNumber;
  }

  UserInterface& ui_;
  GedcomIndex& index_;
  GedcomLoad& load_;
  WorkerPool& workers_;
  const LoadBlockSizes& sizes_;
  RawText raw_;
  std::vector<std::size_t> blocks_;
  CharacterSet charset_ = CharacterSet::Ansi;
};

void LoadChosenFile(const std::string& path, UserInterface& ui, GedcomIndex& index, RenumberingState& renumbering,
                    WorkerPool& workers, const LoadBlockSizes& sizes, GedcomLoad& load) {
  renumbering.pending = false;
  renumbering.done = false;
  FileLoad file(ui, index, load, workers, sizes);
  if (!file.TakeIn(path)) return;
  load.dataFolder = DataFolderOf(path);
  IndexOutcome outcome = file.Index();
  if (outcome != IndexOutcome::Done) {
    index.Clear();  // the partial index is of no further use
    load.list.Clear();
    const RenumberedCopy copy = MakeRenumberedCopy(path, ui, renumbering);
    if (copy.path.empty()) {
      load.result = copy.failure;
      return;
    }
    load.renumbered = true;
    if (!file.TakeIn(copy.path)) return;
    outcome = file.Index();
    // A copy whose numbers are still too large (identifiers of digits alone)
    // is not renumbered again.
    if (outcome != IndexOutcome::Done) {
      ShowCapacityMessage(ui, outcome == IndexOutcome::IndividualTooLarge);
      load.result = LoadResult::MustClose;
      return;
    }
  }
  ui.ShowStatus("Le fichier " + PathText(load.textPath) + " contient " + std::to_string(index.IndividualCount()) +
                " individus et " + std::to_string(index.FamilyCount()) +
                " mariages.   Extraction des données en cours..."_ansi);
  load.result = LoadResult::Loaded;
}

}  // namespace

GedcomLoad LoadGedcom(const std::string& path, UserInterface& ui, GedcomIndex& index,
                      RenumberingState& renumbering, WorkerPool& workers, const LoadBlockSizes& sizes) {
  GedcomLoad load;
  try {
    LoadChosenFile(path, ui, index, renumbering, workers, sizes, load);
  } catch (const std::bad_alloc&) {
    index.Clear();
    load.list.Clear();
    load.result = LoadResult::Refused;
    TellOutOfMemory(ui);
  }
  return load;
}

void TellSkippedRecords(UserInterface& ui, int count) {
  if (count == 0) return;
  char text[256];
  std::snprintf(text, sizeof text, "%d enregistrement%s dont l'identifiant ne porte aucun numéro %s été ignoré%s.",
                count, count > 1 ? "s" : "", count > 1 ? "ont" : "a", count > 1 ? "s" : "");
  ui.ShowMessage("Avertissement", Cp1252FromUtf8(text), MessageIcon::Warning);
}

void TellOutOfMemory(UserInterface& ui) { ui.ShowMessage("Erreur", "Pas assez de mémoire"_ansi, MessageIcon::Stop); }

}  // namespace quenor
