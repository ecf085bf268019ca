// Fuzz target: the ancestry list LstAscd.TXT read back by the fan chart:
// its persons drawn on the recording canvas (on one previewed page of the
// tiled chart and on the whole chart printed on one page) and written as the
// texts of the AutoCAD script. The first four bytes give the settings
// (generations, scale, first number and "Angles inversés", the page
// previewed); the rest is the list file. The grid, the titles, the legend
// and the codes, which depend on the settings alone, are drawn and written
// for every generation count, three scales and both angle settings at the
// first input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fanchart/fan_page.h"
#include "fanchart/fan_pages.h"
#include "fanchart/fan_persons.h"
#include "fanchart/fan_script.h"
#include "fuzz/fuzz_support.h"
#include "platform/clock.h"
#include "platform/cp1252.h"
#include "platform/recording_canvas.h"
#include "session/session.h"

namespace {

using namespace quenor;
using namespace quenor::literals;

constexpr std::size_t kSettingBytes = 4;
constexpr int kPreviewWidth = 1000;
constexpr int kPreviewHeight = 800;

struct Harness {
  fuzzing::SilentUi ui;
  FixedClock clock{CalendarDate{2024, 3, 15}};
  Session session{ui, fuzzing::ScratchFolder(), clock};
};

void ApplySettings(Session& session, const uint8_t* setting) {
  FanLayout& fan = session.fan;
  fan.generationCount = 4 + setting[0] % 9;
  fan.scale = 0.3f + static_cast<float>(setting[1] % 18) * 0.1f;
  fan.firstStradonitz = 1 + (setting[2] >> 1);
  fan.probantLine = "Ancêtres de Jean-Baptiste de La Fontaine"_ansi;
  fan.note = {"Relevé à Château-Thierry"_ansi, ""};
  session.anglesInverted = (setting[2] & 1) != 0;
}

FanScriptSettings ScriptSettings(const Session& session) {
  FanScriptSettings settings;
  settings.generations = session.fan.generationCount;
  settings.scale = session.fan.scale;
  settings.probantLine = session.fan.probantLine;
  settings.note = session.fan.note;
  settings.today = session.clock.TodayLocal();
  return settings;
}

// A run of the chart on pages 8 inches wide and `height` high.
void StartRunOnPages(FanLayout& fan, double height, int dpi, bool wholeChart) {
  fan.pageWidth = 8.0;
  fan.pageHeight = height;
  fan.printerDpiX = fan.printerDpiY = dpi;
  StartFanRun(fan);
  TileFanChart(fan, wholeChart);
}

// The whole chart on one page, as the poster of quenor-cli prints it.
void PrepareWholeChart(Session& session) {
  FanLayout& fan = session.fan;
  StartRunOnPages(fan, 10.0, 96, true);
  fan.unitsPerInch = UnitsPerInchFor(fan.pageWidth, fan.pageHeight);
}

int PageWidth(const FanLayout& fan) { return static_cast<int>(fan.pageWidth * 96); }
int PageHeight(const FanLayout& fan) { return static_cast<int>(fan.pageHeight * 96); }

// The whole printed page and the whole script, the persons of the list
// included.
void DrawAndWriteEverything(Session& session) {
  ScriptOutput out;
  out.CaptureInMemory();
  WriteScriptFrame(out, ScriptSettings(session));
  PrepareWholeChart(session);
  RecordingCanvas canvas;
  PrintFanPage(canvas, session, 0, 0, PageWidth(session.fan), PageHeight(session.fan));
}

void WriteScriptTexts(const Session& session) {
  ScriptOutput out;
  out.CaptureInMemory();
  if (!WriteScriptAncestors(out, ScriptSettings(session), session.SlotPath(kSlotAncestryList))) std::abort();
}

// The persons of one page of the chart tiled on letter pages, as the run
// previews it.
void PreviewPage(Session& session, uint8_t pageChoice) {
  FanLayout& fan = session.fan;
  StartRunOnPages(fan, 10.5, 600, false);
  const int page = pageChoice % PageCountOf(fan);
  RecordingCanvas canvas;
  fan.paintMode = PaintMode::Preview;
  MapPreviewPage(canvas, fan, page / fan.pagesAcross, page % fan.pagesAcross, kPreviewWidth, kPreviewHeight);
  DrawFanPersons(canvas, fan, session.SlotPath(kSlotAncestryList));
  fan.paintMode = PaintMode::None;
}

// The persons of the whole chart printed on one page.
void PrintWholeChart(Session& session) {
  PrepareWholeChart(session);
  FanLayout& fan = session.fan;
  fan.anglesInverted = session.anglesInverted;
  fan.paintMode = PaintMode::Printing;
  RecordingCanvas canvas;
  MapPrintedPage(canvas, fan, 0, 0, PageWidth(fan), PageHeight(fan));
  DrawFanPersons(canvas, fan, session.SlotPath(kSlotAncestryList));
  fan.paintMode = PaintMode::None;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static Harness harness;
  if (size < kSettingBytes) return 0;
  Session& session = harness.session;
  fuzzing::WriteInput(session.SlotPath(kSlotAncestryList), data + kSettingBytes, size - kSettingBytes);
  static const bool framesDrawn = [] {
    Session& session = harness.session;
    for (uint8_t generations = 0; generations < 9; ++generations) {
      for (const uint8_t scale : {0, 7, 17}) {
        for (const uint8_t angles : {0, 1}) {
          const uint8_t setting[] = {generations, scale, angles, 0};
          ApplySettings(session, setting);
          DrawAndWriteEverything(session);
        }
      }
    }
    return true;
  }();
  (void)framesDrawn;
  ApplySettings(session, data);
  WriteScriptTexts(session);
  PreviewPage(session, data[3]);
  PrintWholeChart(session);
  return 0;
}
