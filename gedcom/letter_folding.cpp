#include "gedcom/letter_folding.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <iterator>

#include "gedcom/character_set.h"
#include "platform/cp1252.h"

namespace quenor {
namespace {

struct Substitute {
  char32_t codePoint;
  char byte;
};

// Letters that Unicode does not decompose into a base letter and a mark
// (a stroke, a bar, a hook or a tail drawn into the letter): their base letter.
// Sorted by code point.
constexpr Substitute kLettersWithoutDecomposition[] = {
    {0x0110, 'D'}, {0x0111, 'd'}, {0x0126, 'H'}, {0x0127, 'h'}, {0x0131, 'i'}, {0x0132, 'I'},
    {0x0133, 'i'}, {0x0138, 'k'}, {0x013F, 'L'}, {0x0140, 'l'}, {0x0141, 'L'}, {0x0142, 'l'},
    {0x0149, 'n'}, {0x014A, 'N'}, {0x014B, 'n'}, {0x0166, 'T'}, {0x0167, 't'}, {0x017F, 's'},
    {0x0180, 'b'}, {0x0181, 'B'}, {0x0182, 'B'}, {0x0183, 'b'}, {0x0186, 'O'}, {0x0187, 'C'},
    {0x0188, 'c'}, {0x0189, 'D'}, {0x018A, 'D'}, {0x018B, 'D'}, {0x018C, 'd'}, {0x018E, 'E'},
    {0x018F, 'E'}, {0x0190, 'E'}, {0x0191, 'F'}, {0x0193, 'G'}, {0x0196, 'I'}, {0x0197, 'I'},
    {0x0198, 'K'}, {0x0199, 'k'}, {0x019A, 'l'}, {0x019C, 'M'}, {0x019D, 'N'}, {0x019E, 'n'},
    {0x019F, 'O'}, {0x01A4, 'P'}, {0x01A5, 'p'}, {0x01AB, 't'}, {0x01AC, 'T'}, {0x01AD, 't'},
    {0x01AE, 'T'}, {0x01B2, 'V'}, {0x01B3, 'Y'}, {0x01B4, 'y'}, {0x01B5, 'Z'}, {0x01B6, 'z'},
    {0x01C4, 'D'}, {0x01C5, 'D'}, {0x01C6, 'd'}, {0x01C7, 'L'}, {0x01C8, 'L'}, {0x01C9, 'l'},
    {0x01CA, 'N'}, {0x01CB, 'N'}, {0x01CC, 'n'}, {0x01DD, 'e'}, {0x01E4, 'G'}, {0x01E5, 'g'},
    {0x01F1, 'D'}, {0x01F2, 'D'}, {0x01F3, 'd'}, {0x0220, 'N'}, {0x0221, 'd'}, {0x0224, 'Z'},
    {0x0225, 'z'}, {0x0234, 'l'}, {0x0235, 'n'}, {0x0236, 't'}, {0x0237, 'j'}, {0x023A, 'A'},
    {0x023B, 'C'}, {0x023C, 'c'}, {0x023D, 'L'}, {0x023E, 'T'}, {0x023F, 's'}, {0x0240, 'z'},
    {0x0243, 'B'}, {0x0244, 'U'}, {0x0246, 'E'}, {0x0247, 'e'}, {0x0248, 'J'}, {0x0249, 'j'},
    {0x024A, 'Q'}, {0x024B, 'q'}, {0x024C, 'R'}, {0x024D, 'r'}, {0x024E, 'Y'}, {0x024F, 'y'},
    {0x0254, 'o'}, {0x0259, 'e'}, {0x025B, 'e'}, {0x0268, 'i'}, {0x1E9C, 's'}, {0x1E9D, 's'},
    {0x1E9E, '\xDF'}, {0x1EFA, 'L'}, {0x1EFB, 'l'}, {0x1EFC, 'V'}, {0x1EFD, 'v'}, {0x1EFE, 'Y'},
    {0x1EFF, 'y'}, {0x2113, 'l'}, {0x2C60, 'L'}, {0x2C61, 'l'}, {0x2C62, 'L'}, {0x2C63, 'P'},
    {0x2C64, 'R'}, {0x2C65, 'a'}, {0x2C66, 't'}, {0x2C67, 'H'}, {0x2C68, 'h'}, {0x2C69, 'K'},
    {0x2C6A, 'k'}, {0x2C6B, 'Z'}, {0x2C6C, 'z'}, {0x2C6E, 'M'}, {0x2C71, 'v'}, {0x2C72, 'W'},
    {0x2C73, 'w'}, {0x2C74, 'v'}, {0x2C78, 'e'}, {0x2C7E, 'S'}, {0x2C7F, 'Z'},
};

// Punctuation, modifier letters and blanks: the nearest Windows-1252 sign.
// Sorted by code point.
constexpr Substitute kNearestSigns[] = {
    {0x02B9, '\''}, {0x02BA, '"'},  {0x02BB, '\''}, {0x02BC, '\''}, {0x02BD, '\''}, {0x02BE, '\''},
    {0x02BF, '\''}, {0x02C8, '\''}, {0x02CA, '\''}, {0x02CB, '`'},  {0x02D0, ':'},  {0x2000, ' '},
    {0x2001, ' '},  {0x2002, ' '},  {0x2003, ' '},  {0x2004, ' '},  {0x2005, ' '},  {0x2006, ' '},
    {0x2007, ' '},  {0x2008, ' '},  {0x2009, ' '},  {0x200A, ' '},  {0x2010, '-'},  {0x2011, '-'},
    {0x2012, '-'},  {0x2015, '\x97'}, {0x2017, '_'}, {0x201B, '\''}, {0x201F, '"'}, {0x202F, ' '},
    {0x2032, '\''}, {0x2033, '"'},  {0x2035, '`'},  {0x2043, '-'},  {0x2044, '/'},  {0x205F, ' '},
    {0x2117, 'P'},  {0x2212, '-'},  {0x2215, '/'},  {0x266D, 'b'},  {0x266F, '#'},  {0x3000, ' '},
};

constexpr bool IsSortedByCodePoint(const Substitute* first, const Substitute* last) {
  for (const Substitute* p = first; p + 1 < last; ++p) {
    if (!(p->codePoint < (p + 1)->codePoint)) return false;
  }
  return true;
}
static_assert(IsSortedByCodePoint(std::begin(kLettersWithoutDecomposition), std::end(kLettersWithoutDecomposition)));
static_assert(IsSortedByCodePoint(std::begin(kNearestSigns), std::end(kNearestSigns)));

template <std::size_t N>
char Lookup(const Substitute (&table)[N], char32_t codePoint) {
  const auto found = std::lower_bound(std::begin(table), std::end(table), codePoint,
                                      [](const Substitute& s, char32_t cp) { return s.codePoint < cp; });
  return found != std::end(table) && found->codePoint == codePoint ? found->byte : '\0';
}

// The C1 control characters have no place in a GEDCOM text.
bool IsC1Control(char32_t codePoint) { return codePoint >= 0x80 && codePoint <= 0x9F; }

// The Windows-1252 byte of the code point itself, or -1.
int ExactByte(char32_t codePoint) {
  if (IsC1Control(codePoint)) return -1;
  return Cp1252OfCodePoint(codePoint);
}

// A line of the box-drawing block as '-', '|' or '+' (corners and crossings).
char BoxDrawingSign(char32_t codePoint) {
  switch (codePoint) {
    case 0x2500: case 0x2501: case 0x2504: case 0x2505: case 0x2508: case 0x2509:
    case 0x254C: case 0x254D: case 0x2550: case 0x2574: case 0x2576: case 0x2578:
    case 0x257A: case 0x257C: case 0x257E:
      return '-';
    case 0x2502: case 0x2503: case 0x2506: case 0x2507: case 0x250A: case 0x250B:
    case 0x254E: case 0x254F: case 0x2551: case 0x2575: case 0x2577: case 0x2579:
    case 0x257B: case 0x257D: case 0x257F:
      return '|';
    case 0x2571: return '/';
    case 0x2572: return '\\';
    default:
      return '+';
  }
}

const icu::Normalizer2* NormalizerOrNull(const icu::Normalizer2* (*instance)(UErrorCode&)) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* normalizer = instance(status);
  return U_SUCCESS(status) ? normalizer : nullptr;
}

const icu::Normalizer2* Composer() { return NormalizerOrNull(&icu::Normalizer2::getNFCInstance); }

// The decomposed character (base followed by its marks), canonical first;
// failing that, by compatibility (ligatures, long s, full-width letters) when
// that gives a letter or a digit. Empty when the code point does not decompose.
icu::UnicodeString Decomposition(char32_t codePoint) {
  icu::UnicodeString parts;
  const auto c = static_cast<UChar32>(codePoint);
  if (const icu::Normalizer2* canonical = NormalizerOrNull(&icu::Normalizer2::getNFDInstance);
      canonical != nullptr && canonical->getDecomposition(c, parts)) {
    return parts;
  }
  if (const icu::Normalizer2* compatible = NormalizerOrNull(&icu::Normalizer2::getNFKDInstance);
      compatible != nullptr && compatible->getDecomposition(c, parts) && u_isalnum(parts.char32At(0))) {
    return parts;
  }
  return {};
}

// For a decomposable character, its base with as many of its marks as
// Windows-1252 still has composed (ǻ -> å, ő -> o); '\0' otherwise.
char DecomposedNearestByte(char32_t codePoint) {
  const icu::UnicodeString parts = Decomposition(codePoint);
  if (parts.isEmpty()) return '\0';
  auto letter = static_cast<char32_t>(parts.char32At(0));
  int byte = ExactByte(letter);
  if (byte < 0) return Lookup(kLettersWithoutDecomposition, letter);
  for (int32_t i = parts.moveIndex32(0, 1); i < parts.length(); i = parts.moveIndex32(i, 1)) {
    const char32_t composed = ComposeWithMark(letter, static_cast<char32_t>(parts.char32At(i)));
    const int composedByte = composed == 0 ? -1 : ExactByte(composed);
    if (composedByte < 0) break;
    letter = composed;
    byte = composedByte;
  }
  return static_cast<char>(byte);
}

}  // namespace

char32_t ComposeWithMark(char32_t base, char32_t mark) {
  const icu::Normalizer2* composer = Composer();
  if (composer == nullptr) return 0;
  const UChar32 composed = composer->composePair(static_cast<UChar32>(base), static_cast<UChar32>(mark));
  return composed < 0 ? 0 : static_cast<char32_t>(composed);
}

char32_t ComposeWithMarks(char32_t base, std::u32string_view marks) {
  const icu::Normalizer2* composer = Composer();
  if (composer == nullptr) return base;
  icu::UnicodeString sequence(static_cast<UChar32>(base));
  for (const char32_t mark : marks) sequence.append(static_cast<UChar32>(mark));
  UErrorCode status = U_ZERO_ERROR;
  const icu::UnicodeString composed = composer->normalize(sequence, status);
  return U_SUCCESS(status) && !composed.isEmpty() ? static_cast<char32_t>(composed.char32At(0)) : base;
}

bool IsCombiningMark(char32_t codePoint) {
  return (codePoint >= 0x0300 && codePoint <= 0x036F) || (codePoint >= 0x1AB0 && codePoint <= 0x1AFF) ||
         (codePoint >= 0x1DC0 && codePoint <= 0x1DFF) || (codePoint >= 0x20D0 && codePoint <= 0x20FF) ||
         (codePoint >= 0xFE20 && codePoint <= 0xFE2F);
}

bool IsInvisibleFormatCharacter(char32_t codePoint) {
  return (codePoint >= 0x200B && codePoint <= 0x200F) || codePoint == 0x2060 || codePoint == 0xFEFF;
}

char FoldToCp1252(char32_t codePoint) {
  if (const int byte = ExactByte(codePoint); byte >= 0) return static_cast<char>(byte);
  if (const char letter = Lookup(kLettersWithoutDecomposition, codePoint)) return letter;
  if (const char nearest = DecomposedNearestByte(codePoint)) return nearest;
  if (const char sign = Lookup(kNearestSigns, codePoint)) return sign;
  if (codePoint >= 0x2500 && codePoint <= 0x257F) return BoxDrawingSign(codePoint);
  return '?';
}

char FoldMemo::Fold(char32_t codePoint) {
  if (codePoint >= kRemembered) return FoldToCp1252(codePoint);
  if (folded_.empty()) folded_.assign(kRemembered, '\0');  // at the first letter beyond ASCII only
  char& folded = folded_[codePoint];
  if (folded == '\0') folded = FoldToCp1252(codePoint);
  return folded;
}

}  // namespace quenor
