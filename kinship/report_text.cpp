#include "kinship/report_text.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "platform/cp1252.h"
#include "session/session.h"

namespace quenor {

using namespace literals;

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  std::string text;
  if (length > 0) {
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format, args);
    text.assign(buffer.data(), static_cast<std::size_t>(length));
  }
  va_end(args);
  return text;
}

int CentringMargin(int width, const std::string& text) {
  const int margin = (width - static_cast<int>(text.size())) / 2;
  return margin < 0 ? 0 : margin;
}

std::string AnalysisTitle(const Session& session) {
  return Format("Analyse du fichier %s  %s", session.dataFolder.c_str(), session.runDate.c_str());
}

bool WriteReportText(Session& session, int slot, const std::string& text) {
  std::string bytes;
  bytes.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') bytes.push_back('\r');
    bytes.push_back(c);
  }
  const std::string& path = session.SlotPath(slot);
  bool written = false;
  if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
    written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = (std::fclose(file) == 0) && written;
  }
  if (!written) {
    session.Message("Rapport non créé"_ansi,
                    "Impossible d'écrire le fichier "_ansi + Cp1252FromUtf8(path) +
                        ".\n\nVérifiez que le répertoire de travail est accessible en écriture\net que le disque n'est pas plein."_ansi,
                    MessageIcon::Stop);
  }
  return written;
}

}  // namespace quenor
