#include "gedcom/gedcom_loader.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <new>

#include "gedcom/character_set.h"
#include "gedcom/gedcom_index.h"
#include "gedcom/record_fields.h"
#include "gedcom/record_number.h"
#include "gedcom/renumbering.h"
#include "platform/cp1252.h"
#include "platform/user_interface.h"

namespace quenor {

using namespace literals;

namespace {

// Record offsets are 32-bit: the converted text must stay below 2 GiB.
constexpr std::size_t kMaxFileSize = static_cast<std::size_t>(std::numeric_limits<int32_t>::max()) - 16;

struct RawFile {
  std::unique_ptr<char[]> bytes;
  std::size_t length = 0;  // bytes of text, a NUL follows them
};

enum class IndexOutcome { Done, IndividualTooLarge, FamilyTooLarge };

std::string PathText(const std::string& path) { return Cp1252FromUtf8(path); }

std::string TooLargeText() {
  return "Ce fichier est trop volumineux : le programme lit des fichiers GEDCOM de moins de 2 Go.\n\n"
         "    Veuillez extraire seulement la partie pertinente du fichier GEDCOM."_ansi;
}

void RefuseFile(UserInterface& ui, const std::string& path, const std::string& text) {
  ui.ShowMessage(PathText(path), text, MessageIcon::Stop);
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

// Reads the whole file; tells the user and returns false when it cannot.
bool ReadWholeFile(UserInterface& ui, const std::string& path, RawFile& file) {
  if (!IsReadableRegularFile(ui, path)) return false;
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) {
    RefuseFile(ui, path, "Impossible d'ouvrir ce fichier.\n\nVérifiez qu'il existe et que vous avez le droit de le lire."_ansi);
    return false;
  }
  const std::streamoff size = in.tellg();
  if (size < 0) {
    RefuseFile(ui, path, "Impossible de lire ce fichier."_ansi);
    return false;
  }
  if (static_cast<unsigned long long>(size) > kMaxFileSize) {
    RefuseFile(ui, path, TooLargeText());
    return false;
  }
  const auto length = static_cast<std::size_t>(size);
  file.bytes.reset(new (std::nothrow) char[length + 1]);
  if (!file.bytes) {
    TellOutOfMemory(ui);
    return false;
  }
  in.seekg(0);
  if (length > 0 && !in.read(file.bytes.get(), static_cast<std::streamsize>(length))) {
    file.bytes.reset();
    RefuseFile(ui, path, "Impossible de lire ce fichier."_ansi);
    return false;
  }
  file.bytes[length] = '\0';
  file.length = length;
  return true;
}

// Takes off a byte order mark; a UTF-16 file is decoded to UTF-8 first.
// Returns true when the mark says the text is UTF-8 (whatever the header says).
bool TakeOffByteOrderMark(RawFile& file) {
  const std::string_view bytes(file.bytes.get(), file.length);
  switch (DetectByteOrderMark(bytes)) {
    case ByteOrderMark::None:
      return false;
    case ByteOrderMark::Utf8:
      std::memmove(file.bytes.get(), file.bytes.get() + 3, file.length - 3 + 1);
      file.length -= 3;
      return true;
    case ByteOrderMark::Utf16LittleEndian:
    case ByteOrderMark::Utf16BigEndian: {
      const bool bigEndian = DetectByteOrderMark(bytes) == ByteOrderMark::Utf16BigEndian;
      const std::string utf8 = DecodeUtf16ToUtf8(bytes.substr(2), bigEndian);
      std::unique_ptr<char[]> decoded(new char[utf8.size() + 1]);
      std::memcpy(decoded.get(), utf8.data(), utf8.size());
      decoded[utf8.size()] = '\0';
      file.bytes = std::move(decoded);
      file.length = utf8.size();
      return true;
    }
  }
  return false;
}

// The first line (up to 254 characters) must hold "0 HEAD".
bool StartsAsGedcom(const RawFile& file) {
  std::size_t end = 0;
  while (end < file.length && end < 254 && file.bytes[end] != '\n' && file.bytes[end] != '\r') ++end;
  const std::string_view first(file.bytes.get(), end);
  return first.find("0 HEAD") != std::string_view::npos;
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

// A NUL inside the file would cut a line in two: it becomes a blank.
void BlankOutNuls(char* text, std::size_t length) {
  char* const end = text + length;
  for (char* p = text; (p = static_cast<char*>(std::memchr(p, '\0', static_cast<std::size_t>(end - p)))) != nullptr;) {
    *p++ = ' ';
  }
}

// Cuts the text into record texts: every line feed followed by "0" becomes NUL.
void CutIntoRecords(char* text, std::size_t length) {
  // Written without a branch so that the compiler can treat many bytes at once.
  for (std::size_t i = 0; i + 1 < length; ++i) {
    const char c = text[i];
    text[i] = (c == '\n') & (text[i + 1] == '0') ? '\0' : c;
  }
}

int32_t ParentFamilyOf(const char* record) {
  const char* famc = std::strstr(record, " FAMC ");
  if (famc == nullptr) return 0;
  const char* p = famc + 6;
  if (*p == '@') ++p;
  return ReadRecordNumber(p);
}

IndexOutcome IndexRecords(GedcomIndex& index, SortList& list, int& skippedWithoutNumber) {
  char* text = index.MutableText();
  const std::size_t length = index.TextLength();
  std::size_t position = 0;
  while (position + 1 < length) {
    const char* record = text + position;
    const std::size_t recordLength = std::strlen(record);
    if (std::strstr(record, "@ INDI") != nullptr) {
      if (std::strstr(record, "1 NAME ") != nullptr) {
        const int32_t n = RecordNumberOf(record);
        if (n > GedcomIndex::kMaxIndividual) return IndexOutcome::IndividualTooLarge;
        if (n <= 0) {
          ++skippedWithoutNumber;
        } else {
          index.SetIndividual(n, static_cast<int32_t>(position), ParentFamilyOf(record));
          list.Add(n, PersonName(index, 1, n), static_cast<int32_t>(position));
        }
      }
    } else if (std::strstr(record, "@ FAM") != nullptr) {
      const int32_t f = RecordNumberOf(record);
      if (f > GedcomIndex::kMaxFamily) return IndexOutcome::FamilyTooLarge;
      if (f <= 0) {
        ++skippedWithoutNumber;
      } else {
        index.SetFamily(f, static_cast<int32_t>(position));
      }
    } else if (std::strstr(record, "0 TRLR") != nullptr) {
      break;
    }
    position += recordLength + 1;
  }
  return IndexOutcome::Done;
}

// Prepares the text of the file in the index: line ends, conversion, final NUL.
void AdoptConvertedText(GedcomIndex& index, RawFile file, CharacterSet charset) {
  std::size_t length = NormalizeLineEnds(file.bytes.get(), file.length);
  length = ConvertToCp1252(file.bytes.get(), length, charset);
  BlankOutNuls(file.bytes.get(), length);
  // The final line feed becomes the NUL that ends the last record.
  if (length > 0 && file.bytes[length - 1] == '\n') --length;
  file.bytes[length] = '\0';
  index.AdoptText(std::move(file.bytes), length + 1);
}

// One file read, converted and indexed: the chosen file, or its renumbered copy.
class FileLoad {
 public:
  FileLoad(UserInterface& ui, GedcomIndex& index, GedcomLoad& load) : ui_(ui), index_(index), load_(load) {}

  // False when the file was refused (the user was told).
  bool TakeIn(const std::string& path) {
    index_.Clear();
    RawFile file;
    if (!ReadWholeFile(ui_, path, file)) return false;
    const bool markSaysUtf8 = TakeOffByteOrderMark(file);
    if (file.length > kMaxFileSize) {
      RefuseFile(ui_, path, TooLargeText());
      return false;
    }
    if (!StartsAsGedcom(file)) {
      RefuseFile(ui_, path, "Ce fichier n'a pas le format GEDCOM");
      return false;
    }
    ui_.SetCaption("Fichier de données: "_ansi + PathText(path));
    const CharacterSet charset =
        markSaysUtf8 ? CharacterSet::Utf8 : DetectCharacterSet(std::string_view(file.bytes.get(), file.length));
    AdoptConvertedText(index_, std::move(file), charset);
    load_.textPath = path;
    return true;
  }

  IndexOutcome Index() {
    ui_.ShowStatus("Lecture du fichier de données en cours..."_ansi);
    ui_.HideReport();
    CutIntoRecords(index_.MutableText(), index_.TextLength());
    load_.list.Clear();
    load_.skippedWithoutNumber = 0;
    return IndexRecords(index_, load_.list, load_.skippedWithoutNumber);
  }

 private:
  UserInterface& ui_;
  GedcomIndex& index_;
  GedcomLoad& load_;
};

void LoadChosenFile(const std::string& path, UserInterface& ui, GedcomIndex& index, RenumberingState& renumbering,
                    GedcomLoad& load) {
  renumbering.pending = false;
  renumbering.done = false;
  FileLoad file(ui, index, load);
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
                      RenumberingState& renumbering) {
  GedcomLoad load;
  try {
    LoadChosenFile(path, ui, index, renumbering, load);
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
