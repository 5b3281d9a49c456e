#include "platform/translation.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/codepage.h"
#include "platform/program_files.h"

std::string InstallTranslations() {
  const QLocale locale;
  const QString folder = QString::fromStdString(
      ShippedPath(QCoreApplication::applicationDirPath().toStdString(), "translations",
                  std::string(kInstalledShare) + "/translations"));
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

std::string Translated(const char* context, const char* source, int count) {
  return BytesOf(QCoreApplication::translate(context, source, nullptr, count));
}

std::string Translated(const char* context, const char* source,
                       const std::vector<std::string>& values) {
  const std::string text = Translated(context, source);
  std::string filled;
  for (size_t i = 0; i < text.size(); ++i) {
    const size_t n = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '1') : values.size();
    if (text[i] == '%' && n < values.size() && n < 9) {
      filled += SystemText(values[n]);
      ++i;
    } else {
      filled += text[i];
    }
  }
  return filled;
}
