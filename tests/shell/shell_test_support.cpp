#include "tests/shell/shell_test_support.h"

#include <QAbstractScrollArea>
#include <QTest>
#include <cstdio>

#include "shell/report_viewer.h"

namespace quenor::testing {

MainWindowFixture::MainWindowFixture(const std::filesystem::path& folder) : clock_(CalendarDate{2024, 3, 15}) {
  if (folder.empty()) {
    ownFolder_ = std::make_unique<ScratchFolder>();
    folder_ = ownFolder_->path();
  } else {
    folder_ = folder;
  }
  TMFSettings settings;
  settings.workingDirectory = QString::fromStdString(folder_.string());
  settings.clock = &clock_;
  settings.documentationAtFirstActivation = false;
  window_ = std::make_unique<TMF>(settings);
  window_->ui().SetMessagePresenter([this](const QString& caption, const QString& text, MessageIcon icon) {
    messages.push_back({caption, text, icon});
  });
  window_->resize(1000, 700);
  window_->show();
}

void MainWindowFixture::Load(const std::string& dataFile) {
  window_->OpenGedcomFile(QString::fromStdString(DataFile(dataFile).string()));
}

int64_t MainWindowFixture::ListLineOf(int32_t n) {
  char start[16];
  std::snprintf(start, sizeof start, "\n%7d  ", n);
  const std::size_t at = window_->viewer().Text().find(start);
  return at == std::string_view::npos ? -1 : static_cast<int64_t>(at + 1);
}

void MainWindowFixture::ClickAt(int64_t position) {
  ReportViewer& viewer = window_->viewer();
  const int64_t line = viewer.Lines().LineOf(position);
  if (line < viewer.FirstVisibleLine() || line >= viewer.FirstVisibleLine() + viewer.VisibleLineCount()) {
    viewer.ScrollToLine(line);
  }
  const QPoint point = viewer.PointOf(position) + QPoint(1, viewer.LineHeight() / 2);
  QTest::mouseClick(viewer.viewport(), Qt::LeftButton, {}, point);
}

std::vector<ShownMessage> MainWindowFixture::TakeMessages() {
  std::vector<ShownMessage> taken;
  taken.swap(messages);
  return taken;
}

}  // namespace quenor::testing
