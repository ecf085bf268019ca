#include "kinship/organigram.h"

#include "gedcom/record_fields.h"
#include "kinship/organigram_canvas.h"
#include "kinship/organigram_tree.h"
#include "kinship/report_text.h"
#include "session/session.h"

namespace quenor {
namespace {

std::string Caption(const GedcomIndex& index, int32_t ancestor, int32_t spouse, int32_t descendant) {
  if (spouse != 0) {
    return PrintToString("Descente de %s et %s sur %s", PersonName(index, 0, ancestor).c_str(),
                  PersonName(index, 0, spouse).c_str(), PersonName(index, 0, descendant).c_str());
  }
  return PrintToString("Descente de %s sur %s", PersonName(index, 0, ancestor).c_str(),
                PersonName(index, 0, descendant).c_str());
}

}  // namespace

OrganigramDrawing DrawOrganigram(const GedcomIndex& index, const AncestorTable& table, int32_t last,
                                 int32_t ancestor) {
  const OrganigramTree tree(table, last, ancestor);
  OrganigramDrawing drawing;
  OrganigramLayout& layout = drawing.layout;
  layout.ancestor = ancestor;
  layout.ancestorSpouse = tree.AncestorSpouse();
  layout.descendant = table[1];
  layout.generationCount = tree.Levels();
  layout.singleLineOrganigram = tree.Columns() <= 1;
  layout.columnCount = layout.singleLineOrganigram ? 2 : tree.Columns();
  layout.caption = Caption(index, ancestor, layout.ancestorSpouse, layout.descendant);
  drawing.lines = OrganigramCanvas(tree, layout.columnCount, layout.ancestorSpouse).Lines();
  layout.lineCount = static_cast<int>(drawing.lines.size());
  layout.laidOut = true;
  return drawing;
}

bool ReportOrganigram(Session& session, int32_t ancestor, const AncestorTable& table, int32_t last) {
  OrganigramDrawing drawing = DrawOrganigram(session.index, table, last, ancestor);
  std::string text;
  for (const std::string& line : drawing.lines) text += line + "\n";
  if (!WriteReportText(session, kSlotOrganigram, text)) return false;
  session.kinship.organigram = drawing.layout;
  session.slots[kSlotOrganigram].hasContent = true;
  session.menus.Enable(MenuItem::LiensOrgan);
  session.menus.Enable(MenuItem::SubLiensOrgan);
  session.ui.MenusChanged();
  session.ui.ShowOrganigram();
  return true;
}

}  // namespace quenor
