#include "bench/gedgen/gedcom_writer.h"

#include <charconv>

#include "bench/gedgen/french_corpus.h"

namespace quenor::gedgen {
namespace {

constexpr std::size_t kFlushSize = 1 << 20;
constexpr std::size_t kNoteLineLength = 72;
constexpr std::string_view kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                        "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr int kLastDeathYear = 2015;

void AppendNumber(std::string& text, long long value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  text.append(digits, result.ptr);
}

void AppendPointer(std::string& text, char letter, int32_t number) {
  text.push_back('@');
  text.push_back(letter);
  AppendNumber(text, number);
  text.push_back('@');
}

// The longest start of `text` of at most `limit` bytes that neither ends
// nor is followed by a blank (CONC joins the pieces without adding one) and
// does not cut a UTF-8 character.
std::size_t ConcPieceLength(std::string_view text, std::size_t limit) {
  if (text.size() <= limit) return text.size();
  std::size_t length = limit;
  auto badCut = [&](std::size_t at) {
    return text[at - 1] == ' ' || text[at] == ' ' || (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80;
  };
  while (length > limit / 2 && badCut(length)) --length;
  while (length < text.size() && badCut(length)) ++length;
  return length;
}

}  // namespace

GedcomWriter::GedcomWriter(const Population& population, const WriterOptions& options, std::FILE* out)
    : population_(population), options_(options), out_(out), random_(options.seed ^ 0x5DEECE66DULL) {
  buffer_.reserve(kFlushSize + 4096);
}

bool GedcomWriter::Write() {
  buffer_.append(FileStart(options_.charset));
  WriteHeader();
  for (int32_t n = 1; n <= population_.PersonCount(); ++n) WriteIndividual(n);
  for (int32_t f = 1; f <= population_.FamilyCount(); ++f) WriteFamily(f);
  for (int32_t note = 1; note <= noteCount_; ++note) WriteNoteRecord(note);
  WriteSourceRecords();
  Line("0 TRLR");
  Flush();
  return !failed_ && std::fflush(out_) == 0;
}

void GedcomWriter::WriteHeader() {
  Line("0 HEAD");
  Line("1 SOUR QUENOR-GEDGEN");
  Line("2 NAME Générateur de familles d'essai");
  Line("2 VERS 1.0");
  Line("1 DEST ANY");
  Line("1 DATE 1 JAN 2024");
  Line("1 SUBM @U1@");
  Line("1 GEDC");
  Line("2 VERS 5.5.1");
  Line("2 FORM LINEAGE-LINKED");
  line_ = "1 CHAR ";
  line_.append(CharLineValue(options_.charset));
  Line(line_);
  Line("1 LANG French");
  Line("0 @U1@ SUBM");
  Line("1 NAME Cercle généalogique de Haute-Normandie");
  Line("1 ADDR 12, rue de l'Hôtel-de-Ville");
  Line("2 CONT 76000 Rouen");
}

void GedcomWriter::WriteIndividual(int32_t n) {
  const Person& person = population_.PersonAt(n);
  line_ = "0 ";
  AppendPointer(line_, 'I', n);
  line_.append(" INDI");
  Line(line_);
  if (person.named) {
    line_ = "1 NAME ";
    line_.append(GivenNames(person));
    if (person.givenCount > 0) line_.push_back(' ');
    line_.push_back('/');
    line_.append(Surnames()[person.surname]);
    line_.push_back('/');
    Line(line_);
  }
  Line(person.sex == Sex::Male ? "1 SEX M" : "1 SEX F");
  if (random_.PerMille(900)) WriteEvent("1 BIRT", person.birthYear, 950, 450, random_.PerMille(100));
  // Married persons outlive their wedding; others may die young.
  const int deathYear = person.birthYear + (person.families[0] != 0 ? random_.Between(45, 92) : random_.Between(0, 90));
  if (deathYear <= kLastDeathYear && random_.PerMille(400)) WriteEvent("1 DEAT", deathYear, 900, 350, false);
  if (random_.PerMille(15)) {
    line_ = "1 NOTE ";
    AppendPointer(line_, 'N', ++noteCount_);
    Line(line_);
  } else if (random_.PerMille(5)) {
    WriteTextLines("1 NOTE ", NoteSentences()[static_cast<std::size_t>(random_.Below(static_cast<int32_t>(NoteSentences().size())))]);
  }
  if (person.parentFamily != 0) {
    line_ = "1 FAMC ";
    AppendPointer(line_, 'F', person.parentFamily);
    Line(line_);
  }
  for (int32_t family : person.families) {
    if (family == 0) continue;
    line_ = "1 FAMS ";
    AppendPointer(line_, 'F', family);
    Line(line_);
  }
}

void GedcomWriter::WriteFamily(int32_t f) {
  const Family& family = population_.FamilyAt(f);
  line_ = "0 ";
  AppendPointer(line_, 'F', f);
  line_.append(" FAM");
  Line(line_);
  line_ = "1 HUSB ";
  AppendPointer(line_, 'I', family.husband);
  Line(line_);
  line_ = "1 WIFE ";
  AppendPointer(line_, 'I', family.wife);
  Line(line_);
  if (random_.PerMille(900)) WriteEvent("1 MARR", family.marriageYear, 950, 700, random_.PerMille(100));
  for (int32_t child = family.firstChild; child < family.firstChild + family.childCount; ++child) {
    line_ = "1 CHIL ";
    AppendPointer(line_, 'I', child);
    Line(line_);
  }
  if (family.otherChild != 0) {
    line_ = "1 CHIL ";
    AppendPointer(line_, 'I', family.otherChild);
    Line(line_);
  }
}

void GedcomWriter::WriteEvent(std::string_view tag, int year, int32_t datePerMille, int32_t placePerMille, bool cited) {
  Line(tag);
  if (random_.PerMille(datePerMille)) {
    line_ = "2 DATE ";
    line_.append(DateText(year));
    Line(line_);
  }
  if (random_.PerMille(placePerMille)) {
    line_ = "2 PLAC ";
    line_.append(PlaceText());
    Line(line_);
  }
  if (cited) {
    line_ = "2 SOUR ";
    AppendPointer(line_, 'S', random_.Between(1, static_cast<int32_t>(SourceTitles().size())));
    Line(line_);
  }
}

void GedcomWriter::WriteNoteRecord(int32_t note) {
  std::string text;
  const int32_t sentences = random_.Between(2, 6);
  for (int32_t i = 0; i < sentences; ++i) {
    if (i > 0) text.push_back(' ');
    text.append(NoteSentences()[static_cast<std::size_t>(random_.Below(static_cast<int32_t>(NoteSentences().size())))]);
  }
  std::string start = "0 ";
  AppendPointer(start, 'N', note);
  start.append(" NOTE ");
  WriteTextLines(start, text);
  if (random_.PerMille(300)) {
    Line("1 CONT");
    Line("1 CONT Source : relevé du cercle généalogique, vérifié sur l'original.");
  }
}

// The text on the first line after `firstLineStart`, the rest on CONC lines
// one level below it.
void GedcomWriter::WriteTextLines(std::string_view firstLineStart, std::string_view text) {
  const char level = static_cast<char>(firstLineStart[0] + 1);
  std::size_t piece = ConcPieceLength(text, kNoteLineLength);
  line_.assign(firstLineStart);
  line_.append(text.substr(0, piece));
  Line(line_);
  text.remove_prefix(piece);
  while (!text.empty()) {
    piece = ConcPieceLength(text, kNoteLineLength);
    line_.assign({level, ' ', 'C', 'O', 'N', 'C', ' '});
    line_.append(text.substr(0, piece));
    Line(line_);
    text.remove_prefix(piece);
  }
}

void GedcomWriter::WriteSourceRecords() {
  const auto titles = SourceTitles();
  for (std::size_t s = 0; s < titles.size(); ++s) {
    line_ = "0 ";
    AppendPointer(line_, 'S', static_cast<int32_t>(s + 1));
    line_.append(" SOUR");
    Line(line_);
    line_ = "1 TITL ";
    line_.append(titles[s]);
    Line(line_);
    Line("1 AUTH Archives départementales");
    Line("1 PUBL Consultées en salle de lecture et en ligne");
  }
}

std::string GedcomWriter::GivenNames(const Person& person) const {
  const auto names = person.sex == Sex::Male ? MaleGivenNames() : FemaleGivenNames();
  std::string given;
  for (int i = 0; i < person.givenCount; ++i) {
    if (i > 0) given.push_back(' ');
    given.append(names[person.given[i]]);
  }
  return given;
}

std::string GedcomWriter::DateText(int year) {
  std::string date;
  const int32_t form = random_.Below(1000);
  auto appendDayMonth = [&](bool withDay) {
    if (withDay) {
      AppendNumber(date, random_.Between(1, 28));
      date.push_back(' ');
    }
    date.append(kMonths[random_.Below(12)]);
    date.push_back(' ');
  };
  if (form < 450) {
    appendDayMonth(true);
  } else if (form < 550) {
    appendDayMonth(false);
  } else if (form < 700) {
  } else if (form < 800) {
    date = "ABT ";
  } else if (form < 860) {
    date = "BEF ";
  } else if (form < 900) {
    date = "AFT ";
  } else if (form < 960) {
    date = "BET ";
    AppendNumber(date, year - 2);
    date.append(" AND ");
    year += 2;
  } else if (form < 980) {
    date = "EST ";
  } else {
    date = "CAL ";
  }
  AppendNumber(date, year);
  return date;
}

std::string_view GedcomWriter::PlaceText() {
  const auto places = Places();
  return places[static_cast<std::size_t>(random_.Below(static_cast<int32_t>(places.size())))];
}

void GedcomWriter::Line(std::string_view utf8) {
  AppendEncoded(buffer_, utf8, options_.charset);
  if (options_.crlf) buffer_.push_back('\r');
  buffer_.push_back('\n');
  if (buffer_.size() >= kFlushSize) Flush();
}

void GedcomWriter::Flush() {
  if (!buffer_.empty() && std::fwrite(buffer_.data(), 1, buffer_.size(), out_) != buffer_.size()) failed_ = true;
  buffer_.clear();
}

bool WriteCompletePedigree(const std::string& path, int generations, bool cousin) {
  PopulationOptions options;
  options.individuals = ((1 << generations) - 1) * (cousin ? 2 : 1) - (cousin ? 2 : 0);
  options.pedigreeGenerations = generations;
  options.cousinPedigree = cousin;
  const Population population(options);
  WriterOptions writerOptions;
  writerOptions.charset = OutputCharset::Ansi;
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  const bool written = GedcomWriter(population, writerOptions, out).Write();
  return std::fclose(out) == 0 && written;
}

}  // namespace quenor::gedgen
