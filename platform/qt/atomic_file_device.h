#pragma once
// An AtomicFile as a Qt output device, for the writers that draw into one
// (PDF, SVG): the file at the path is replaced only by Commit, once the
// drawing is whole.
#include <QIODevice>
#include <string>

#include "platform/atomic_file.h"

namespace quenor {

class AtomicFileDevice : public QIODevice {
 public:
  // Starts the file at `path` (UTF-8) and opens the device for writing;
  // IsStarted() tells whether the file could be created.
  explicit AtomicFileDevice(const std::string& path);
  bool IsStarted() const { return file_.IsOpen(); }

  // Puts the file in place; false when any write failed or the file could
  // not be put in place (the old one is then untouched).
  bool Commit();

  bool isSequential() const override { return true; }

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char* data, qint64 size) override;

 private:
  AtomicFile file_;
};

}  // namespace quenor
