#pragma once
// Choosing a person in the alphabetical list: by a click on his line in the
// viewer, or by his individual number.
#include <cstdint>
#include <string>
#include <string_view>

namespace quenor {

class GedcomIndex;
class Session;

// The first characters of the viewer hold the report's title and column
// heads: a click there chooses nothing.
constexpr int64_t kListHeadLength = 300;
// A chosen line is the number and the name: its first 49 characters.
constexpr int kChosenLineLength = 49;

// What a click on the person's line of the alphabetical list selects: the
// number right-aligned in 7, two blanks and the name, cut to 49 characters.
std::string ListLineOf(const GedcomIndex& index, int32_t number);

// The individual number at the start of a list line (leading blanks skipped), 0 when none.
int32_t PersonNumberOfLine(std::string_view line);

enum class ClickResult {
  BackToStart,  // caret to 0, no selection
  Chosen,       // the line's person is chosen: select it, show the summary, enable "OK"
  NotAName,     // the line does not start with a number: the user has been told
};

struct ClickChoice {
  ClickResult result = ClickResult::BackToStart;
  int64_t selectionStart = 0;  // the chosen line's start (byte position in the text)
  int selectionLength = 0;     // its first 49 characters at most, within the line
  std::string line;            // the selected text
  int32_t person = 0;
};

// The choice made by clicks in the viewer. Clicks are byte positions in the
// text shown, the caret having already moved to the clicked character.
class ClickChooser {
 public:
  // A click fewer than 10 characters away from the previous one (and past the
  // head) confirms the choice already made, as "OK" would.
  bool ConfirmsPrevious(int64_t position) const;
  // What a click at `position` chooses in `text`. Tells the user through the
  // session when the clicked line does not start with a number.
  ClickChoice Choose(Session& session, std::string_view text, int64_t position);

  int64_t lastClickPosition = 0;
};

struct NumberSearch {
  bool found = false;
  int64_t filePosition = 0;  // byte position of the line in the list file
  int64_t lineIndex = 0;     // counted from 0
  std::string line;          // its first 49 characters
  int32_t person = 0;
};

// Looks in the alphabetical list file for the line of the individual whose
// number is `typed` (the number right-aligned in 7 columns starts the line).
// An empty or zero number is never found.
NumberSearch FindPersonLine(const std::string& listPath, std::string_view typed);

// "&Ascendance d'un probant": shows the alphabetical list unless it is shown,
// then starts the probant choice in the person selection dialog.
void BeginProbantChoice(Session& session);

}  // namespace quenor
