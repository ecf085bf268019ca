#include "fanchart/fan_page.h"

#include "fanchart/fan_fills.h"
#include "fanchart/fan_frame.h"
#include "fanchart/fan_grid.h"
#include "fanchart/fan_occupants.h"
#include "fanchart/fan_pages.h"
#include "fanchart/fan_persons.h"
#include "fanchart/fan_statistics.h"
#include "session/session.h"

namespace quenor {
namespace {

// The probant's ancestors as the analysis left them in the session; the
// table is built again only when it holds another person.
FanStatistics ProbantStatistics(const Session& session, int generations) {
  if (session.ancestors[1] == session.probantNumber) {
    return CountFanStatistics(session.index, session.ancestors, generations);
  }
  return CountProbantStatistics(session.index, session.probantNumber, generations);
}

}  // namespace

void DrawFanPage(Canvas& canvas, Session& session, CancelPoll* poll) {
  FanLayout& layout = session.fan;
  if (layout.colouring != FanColouring::None) {
    const std::vector<int32_t> occupants =
        ProbantOccupants(session.index, session.probantNumber, layout.generationCount);
    DrawFanFills(canvas, layout, ColouringFills(layout.colouring, occupants, layout.generationCount));
  }
  DrawFanGrid(canvas, layout);
  if (layout.paintMode == PaintMode::Preview) DrawPageOutline(canvas, layout);
  FanFrameFacts facts;
  facts.statistics = ProbantStatistics(session, layout.generationCount);
  facts.today = session.clock.TodayUtc();
  DrawFanFrame(canvas, layout, facts);
  DrawFanPersons(canvas, layout, session.SlotPath(kSlotAncestryList), poll);
}

void PrintFanPage(Canvas& canvas, Session& session, int row, int column, int printableWidth, int printableHeight,
                  CancelPoll* poll) {
  FanLayout& layout = session.fan;
  layout.anglesInverted = session.anglesInverted;
  layout.paintMode = PaintMode::Printing;
  MapPrintedPage(canvas, layout, row, column, printableWidth, printableHeight);
  DrawFanPage(canvas, session, poll);
  DrawJoiningMarks(canvas, layout, row, column);
  layout.paintMode = PaintMode::None;
}

}  // namespace quenor
