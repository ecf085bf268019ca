#include "shell/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quenor {
namespace {

const QString kCatalogue = QStringLiteral("qtbase");
const QString kSeparator = QStringLiteral("_");

bool HasCatalogue(const QLocale& locale, const QString& folder) {
  if (locale.language() == QLocale::C) return false;
  QTranslator probe;
  return probe.load(locale, kCatalogue, kSeparator, folder);
}

}  // namespace

QString QtTranslationsFolder() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

QLocale QtTranslationLocale(const QLocale& userLocale, const QString& folder) {
  if (HasCatalogue(userLocale, folder)) return userLocale;
  return QLocale(QLocale::French, QLocale::France);
}

bool InstallQtTranslations(QCoreApplication& application, const QLocale& userLocale, const QString& folder) {
  // Owned by the application, which keeps using it until it ends.
  auto* translator = new QTranslator(&application);
  if (!translator->load(QtTranslationLocale(userLocale, folder), kCatalogue, kSeparator, folder)) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace quenor
