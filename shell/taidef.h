#pragma once
// TAideF, the documentation window: the user guide qrmd.rtf, read-only, on
// top of the main window but not modal.
#include <QStringList>
#include <QWidget>

class QTextBrowser;

namespace quenor {

// Where the guide is looked for, in order: the temporary folder (only a file
// the user owns), the working directory, then beside the program and its
// installed data folder.
QStringList DocumentationCandidates(const QString& workingDirectory);
// The first candidate that is a readable file; empty when none is.
QString FirstReadableCandidate(const QStringList& candidates);

class TAideF : public QWidget {
  Q_OBJECT

 public:
  explicit TAideF(QWidget* parent = nullptr);

  // Reads the first candidate that opens; false when none does.
  bool LoadDocumentation(const QStringList& candidates);
  QTextBrowser* AideRTF;

 Q_SIGNALS:
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace quenor
