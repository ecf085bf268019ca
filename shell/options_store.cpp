#include "shell/options_store.h"

#include <QDir>
#include <QFile>

#include "platform/atomic_file.h"

namespace quenor {

namespace {
QString OptionsPath(const QString& workingDirectory) {
  return QDir(workingDirectory).filePath(QString::fromLatin1(kOptionsFileName));
}
}  // namespace

ProgramOptions ReadProgramOptions(const QString& workingDirectory) {
  QFile file(OptionsPath(workingDirectory));
  if (!file.open(QIODevice::ReadOnly)) return ProgramOptions();
  const QByteArray bytes = file.read(4096);
  return ParseOptionsFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

bool WriteProgramOptions(const QString& workingDirectory, const ProgramOptions& options) {
  return WriteWholeFile(QFile::encodeName(OptionsPath(workingDirectory)).toStdString(), OptionsFileText(options));
}

}  // namespace quenor
