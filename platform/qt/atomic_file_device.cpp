#include "platform/qt/atomic_file_device.h"

#include <string_view>

namespace quenor {

AtomicFileDevice::AtomicFileDevice(const std::string& path) {
  if (file_.Create(path)) open(QIODevice::WriteOnly);
}

bool AtomicFileDevice::Commit() {
  if (isOpen()) close();  // the writer may have closed it already
  return file_.Commit();
}

qint64 AtomicFileDevice::readData(char*, qint64) { return -1; }

qint64 AtomicFileDevice::writeData(const char* data, qint64 size) {
  if (!file_.Write(std::string_view(data, static_cast<std::size_t>(size)))) return -1;
  return size;
}

}  // namespace quenor
