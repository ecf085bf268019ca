#include "shell/rtf_reader.h"

#include <cstdlib>
#include <map>

#include "platform/cp1252.h"
#include "platform/utf8.h"

namespace quenor {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

enum class Destination { Text, Skip, FontTable, ColourTable, Picture };

constexpr int kTwipsPerPixel = 15;  // at 96 pixels an inch

struct GroupState {
  RtfCharacterFormat format;
  Destination destination = Destination::Text;
  int unicodeSkip = 1;  // \ucN: characters that stand for a \u character
};

struct ControlWord {
  std::string word;
  bool hasParameter = false;
  int parameter = 0;
};

class RtfParser {
 public:
  explicit RtfParser(std::string_view rtf) : rtf_(rtf) {}

  RtfDocument Parse() {
    document_.valid = rtf_.starts_with("{\\rtf");
    if (!document_.valid) return document_;
    while (pos_ < rtf_.size()) Step();
    FlushParagraph(false);
    return document_;
  }

 private:
  GroupState& State() { return stack_.back(); }

  void Step() {
    const char c = rtf_[pos_++];
    switch (c) {
      case '{':
        stack_.push_back(stack_.back());
        groupStart_ = true;
        return;
      case '}':
        CloseGroup();
        return;
      case '\\':
        Control();
        return;
      case '\r':
      case '\n':
        return;
      default:
        groupStart_ = false;
        if (pendingSkip_ > 0) {
          --pendingSkip_;
          return;
        }
        Character(static_cast<unsigned char>(c));
    }
  }

  void CloseGroup() {
    if (State().destination == Destination::FontTable) EndFontEntry();
    const bool pictureEnds = State().destination == Destination::Picture && stack_.size() > 1 &&
                             stack_[stack_.size() - 2].destination != Destination::Picture;
    if (stack_.size() > 1) stack_.pop_back();
    if (pictureEnds) EndPicture();
    groupStart_ = false;
  }

  void Control() {
    if (pos_ >= rtf_.size()) return;
    const char c = rtf_[pos_];
    if (!IsLetter(c)) {
      ++pos_;
      Symbol(c);
      groupStart_ = false;
      return;
    }
    ControlWord control = ReadControlWord();
    Word(control);
    groupStart_ = false;
  }

  ControlWord ReadControlWord() {
    ControlWord control;
    while (pos_ < rtf_.size() && IsLetter(rtf_[pos_])) control.word += rtf_[pos_++];
    std::size_t start = pos_;
    if (pos_ < rtf_.size() && rtf_[pos_] == '-') ++pos_;
    while (pos_ < rtf_.size() && IsDigit(rtf_[pos_])) ++pos_;
    if (pos_ > start && IsDigit(rtf_[pos_ - 1])) {
      control.hasParameter = true;
      control.parameter = std::atoi(std::string(rtf_.substr(start, pos_ - start)).c_str());
    } else {
      pos_ = start;
    }
    if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
    return control;
  }

  void Symbol(char c) {
    switch (c) {
      case '\\':
      case '{':
      case '}':
        Character(static_cast<unsigned char>(c));
        return;
      case '~':
        Emit(U'\u00A0');
        return;
      case '_':
        Emit(U'\u2011');
        return;
      case '-':
        return;  // optional hyphen
      case '*':
        if (groupStart_) State().destination = Destination::Skip;
        return;
      case '\'':
        Hex();
        return;
      case '\r':
      case '\n':
        Paragraph();
        return;
      default:
        return;
    }
  }

  void Hex() {
    if (pos_ + 2 > rtf_.size()) return;
    const int high = HexValue(rtf_[pos_]);
    const int low = HexValue(rtf_[pos_ + 1]);
    pos_ += 2;
    if (high < 0 || low < 0) return;
    if (pendingSkip_ > 0) {
      --pendingSkip_;
      return;
    }
    Character(static_cast<unsigned char>(high * 16 + low));
  }

  void Character(unsigned char byte) {
    switch (State().destination) {
      case Destination::Skip:
        return;
      case Destination::ColourTable:
        if (byte == ';') EndColourEntry();
        return;
      case Destination::FontTable:
        if (byte == ';') EndFontEntry();
        return;
      case Destination::Picture:
        PictureDigit(static_cast<char>(byte));
        return;
      case Destination::Text:
        Emit(CodePointOfCp1252(byte));
    }
  }

  void Emit(char32_t c) {
    if (State().destination != Destination::Text) return;
    RtfParagraph& paragraph = current_;
    if (paragraph.runs.empty() || !(paragraph.runs.back().format == State().format) ||
        !paragraph.runs.back().picture.data.empty()) {
      paragraph.runs.push_back({std::string(), State().format});
    }
    AppendUtf8(paragraph.runs.back().text, c);
  }

  void Word(const ControlWord& w) {
    const std::string& word = w.word;
    const int p = w.parameter;
    const bool on = !w.hasParameter || p != 0;
    RtfCharacterFormat& f = State().format;
    if (word == "fonttbl") {
      State().destination = Destination::FontTable;
    } else if (word == "colortbl") {
      State().destination = Destination::ColourTable;
      colours_.clear();
      ResetColourEntry();
    } else if (word == "pict") {
      StartPicture();
    } else if (State().destination == Destination::Picture) {
      PictureWord(word, w.hasParameter ? p : 0);
    } else if (word == "stylesheet" || word == "info" || word == "header" ||
               word == "footer" || word == "object" || word == "field" || word == "fldinst" ||
               word == "listtable" || word == "listoverridetable" || word == "generator") {
      State().destination = Destination::Skip;
    } else if (State().destination == Destination::ColourTable) {
      ColourWord(word, p);
    } else if (State().destination == Destination::FontTable) {
      FontWord(word, p);
    } else if (word == "par") {
      Paragraph();
    } else if (word == "line") {
      Emit(U'\n');
    } else if (word == "tab") {
      Emit(U'\t');
    } else if (word == "pard") {
      paragraphFormat_ = RtfParagraph();
    } else if (word == "plain") {
      f = RtfCharacterFormat();
      f.fixedPitch = FixedPitchFont(0);
    } else if (word == "b") {
      f.bold = on;
    } else if (word == "i") {
      f.italic = on;
    } else if (word == "ul") {
      f.underline = on;
    } else if (word == "ulnone") {
      f.underline = false;
    } else if (word == "fs") {
      f.halfPoints = w.hasParameter && p > 0 ? p : 24;
    } else if (word == "f") {
      f.fixedPitch = FixedPitchFont(p);
    } else if (word == "cf") {
      SetColour(f, p);
    } else if (word == "ql") {
      paragraphFormat_.alignment = RtfAlignment::Left;
    } else if (word == "qc") {
      paragraphFormat_.alignment = RtfAlignment::Centre;
    } else if (word == "qr") {
      paragraphFormat_.alignment = RtfAlignment::Right;
    } else if (word == "qj") {
      paragraphFormat_.alignment = RtfAlignment::Justified;
    } else if (word == "li") {
      paragraphFormat_.leftIndent = p;
    } else if (word == "fi") {
      paragraphFormat_.firstLineIndent = p;
    } else if (word == "sb") {
      paragraphFormat_.spaceBefore = p;
    } else if (word == "sa") {
      paragraphFormat_.spaceAfter = p;
    } else if (word == "uc") {
      State().unicodeSkip = w.hasParameter && p >= 0 ? p : 1;
    } else if (word == "u") {
      Emit(static_cast<char32_t>(p < 0 ? p + 65536 : p));
      pendingSkip_ = State().unicodeSkip;
    } else {
      NamedCharacter(word);
    }
  }

  void NamedCharacter(const std::string& word) {
    static const std::map<std::string, char32_t> kNamed = {
        {"emdash", U'\u2014'},    {"endash", U'\u2013'}, {"bullet", U'\u2022'},
        {"lquote", U'\u2018'},    {"rquote", U'\u2019'}, {"ldblquote", U'\u201C'},
        {"rdblquote", U'\u201D'}, {"emspace", U' '},     {"enspace", U' '},
    };
    const auto found = kNamed.find(word);
    if (found != kNamed.end()) Emit(found->second);
  }

  void Paragraph() {
    if (State().destination != Destination::Text) return;
    FlushParagraph(true);
  }

  void FlushParagraph(bool always) {
    if (!always && current_.runs.empty()) return;
    RtfParagraph paragraph = paragraphFormat_;
    paragraph.runs = std::move(current_.runs);
    document_.paragraphs.push_back(std::move(paragraph));
    current_ = RtfParagraph();
  }

  // --- pictures: {\pict\pngblip\picwN\pichN\picwgoalN\pichgoalN hex digits}
  void StartPicture() {
    State().destination = Destination::Picture;
    picture_ = PictureUnderWay();
  }
  void PictureWord(const std::string& word, int p) {
    if (word == "pngblip" || word == "jpegblip") picture_.known = true;
    else if (word == "picw") picture_.widthPixels = p;
    else if (word == "pich") picture_.heightPixels = p;
    else if (word == "picwgoal") picture_.widthGoal = p;
    else if (word == "pichgoal") picture_.heightGoal = p;
    else if (word == "picscalex") picture_.scaleX = p;
    else if (word == "picscaley") picture_.scaleY = p;
    else if (word == "bin") picture_.known = false;  // raw bytes are not read: the picture is dropped
    else if (word == "wmetafile" || word == "emfblip" || word == "macpict" || word == "dibitmap") picture_.known = false;
  }
  void PictureDigit(char c) {
    const int value = HexValue(c);
    if (value < 0) return;  // blanks and line ends between the digits
    if (picture_.nibble < 0) {
      picture_.nibble = value;
    } else {
      picture_.data += static_cast<char>(picture_.nibble * 16 + value);
      picture_.nibble = -1;
    }
  }
  static int Scaled(int size, int scale) { return scale > 0 ? static_cast<int>(static_cast<long long>(size) * scale / 100) : size; }
  void EndPicture() {
    if (!picture_.known || picture_.data.empty() || State().destination != Destination::Text) return;
    RtfPicture picture;
    picture.data = std::move(picture_.data);
    picture.widthTwips = Scaled(picture_.widthGoal > 0 ? picture_.widthGoal : picture_.widthPixels * kTwipsPerPixel,
                                picture_.scaleX);
    picture.heightTwips = Scaled(
        picture_.heightGoal > 0 ? picture_.heightGoal : picture_.heightPixels * kTwipsPerPixel, picture_.scaleY);
    current_.runs.push_back({std::string(), State().format, std::move(picture)});
  }

  // --- colour table: \redN\greenN\blueN; entries, the first one often empty
  void ResetColourEntry() {
    red_ = green_ = blue_ = 0;
    colourGiven_ = false;
  }
  void ColourWord(const std::string& word, int p) {
    if (word == "red") red_ = p;
    if (word == "green") green_ = p;
    if (word == "blue") blue_ = p;
    if (word == "red" || word == "green" || word == "blue") colourGiven_ = true;
  }
  void EndColourEntry() {
    colours_.push_back(colourGiven_ ? static_cast<int64_t>((red_ & 0xFF) << 16 | (green_ & 0xFF) << 8 | (blue_ & 0xFF))
                                    : -1);
    ResetColourEntry();
  }
  void SetColour(RtfCharacterFormat& f, int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < colours_.size() && colours_[index] >= 0) {
      f.colour = static_cast<uint32_t>(colours_[index]);
      f.hasColour = true;
    } else {
      f.hasColour = false;
      f.colour = 0;
    }
  }

  // --- font table: only whether each font is fixed-pitch matters
  void FontWord(const std::string& word, int p) {
    if (word == "f") fontNumber_ = p;
    if (word == "fmodern") fontFixed_ = true;
  }
  void EndFontEntry() {
    if (fontNumber_ >= 0) fixedFonts_[fontNumber_] = fontFixed_;
    fontNumber_ = -1;
    fontFixed_ = false;
  }
  bool FixedPitchFont(int number) const {
    const auto found = fixedFonts_.find(number);
    return found != fixedFonts_.end() && found->second;
  }

  std::string_view rtf_;
  std::size_t pos_ = 0;
  std::vector<GroupState> stack_{GroupState()};
  bool groupStart_ = false;
  int pendingSkip_ = 0;
  RtfDocument document_;
  RtfParagraph paragraphFormat_;
  RtfParagraph current_;
  struct PictureUnderWay {
    bool known = false;  // PNG or JPEG
    std::string data;
    int nibble = -1;
    int widthPixels = 0, heightPixels = 0, widthGoal = 0, heightGoal = 0, scaleX = 0, scaleY = 0;
  };
  PictureUnderWay picture_;
  std::vector<int64_t> colours_;
  int red_ = 0, green_ = 0, blue_ = 0;
  bool colourGiven_ = false;
  std::map<int, bool> fixedFonts_;
  int fontNumber_ = -1;
  bool fontFixed_ = false;
};

}  // namespace

std::string RtfParagraph::PlainText() const {
  std::string text;
  for (const RtfRun& run : runs) text += run.text;
  return text;
}

std::string RtfDocument::PlainText() const {
  std::string text;
  for (std::size_t i = 0; i < paragraphs.size(); ++i) {
    if (i > 0) text += '\n';
    text += paragraphs[i].PlainText();
  }
  return text;
}

RtfDocument ParseRtf(std::string_view rtf) { return RtfParser(rtf).Parse(); }

}  // namespace quenor
