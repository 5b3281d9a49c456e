#include "platform/translation.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/codepage.h"

std::string InstallTranslations() {
  const QLocale locale;
  const QString folder = QCoreApplication::applicationDirPath() + "/translations";
  // Owned by the application, which outlives every window that shows a text.
  auto* own = new QTranslator(QCoreApplication::instance());
  if (!own->load(locale, "qz", "_", folder)) return "en";
  QCoreApplication::installTranslator(own);
  auto* qt = new QTranslator(QCoreApplication::instance());
  if (qt->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  return own->language().left(2).toStdString();
}

std::string Translated(const char* context, const char* source) {
  return BytesOf(QCoreApplication::translate(context, source));
}
