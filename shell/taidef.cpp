#include "shell/taidef.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <unistd.h>

#include "shell/rtf_document.h"
#include "shell/rtf_reader.h"

namespace quenor {

namespace {

// The temporary folder is shared by every user of the machine: a guide there
// counts only when it is the user's own.
bool IsUsersOwn(const QString& path) {
  const QFileInfo file(path);
  return !file.exists() || file.ownerId() == static_cast<uint>(getuid());
}

}  // namespace

QStringList DocumentationCandidates(const QString& workingDirectory) {
  const QString name = QStringLiteral("qrmd.rtf");
  const QString programFolder = QCoreApplication::applicationDirPath();
  QStringList candidates;
  const QString temporary = QDir(QDir::tempPath()).filePath(name);
  if (IsUsersOwn(temporary)) candidates << temporary;
  return candidates << QDir(workingDirectory).filePath(name) << QDir(programFolder).filePath(name)
                    << QDir(programFolder).filePath(QStringLiteral("../share/quenor/") + name);
}

QString FirstReadableCandidate(const QStringList& candidates) {
  for (const QString& path : candidates) {
    const QFileInfo file(path);
    if (file.isFile() && file.isReadable()) return file.absoluteFilePath();
  }
  return {};
}

TAideF::TAideF(QWidget* parent) : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral("Documentation"));
  setAttribute(Qt::WA_DeleteOnClose);
  AideRTF = new QTextBrowser(this);
  AideRTF->setReadOnly(true);
  AideRTF->setOpenLinks(false);
  AideRTF->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Light yellow: 0xE0FFFF in blue-green-red order.
  AideRTF->setStyleSheet(QStringLiteral("QTextBrowser { background: #FFFFE0; color: black; }"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(AideRTF);
}

bool TAideF::LoadDocumentation(const QStringList& candidates) {
  for (const QString& path : candidates) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QByteArray bytes = file.readAll();
    const RtfDocument rtf = ParseRtf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!rtf.valid) continue;
    FillTextDocument(*AideRTF->document(), rtf);
    AideRTF->document()->setDocumentMargin(12);
    AideRTF->moveCursor(QTextCursor::Start);
    return true;
  }
  return false;
}

void TAideF::closeEvent(QCloseEvent* event) {
  Q_EMIT Closed();
  QWidget::closeEvent(event);
}

}  // namespace quenor
