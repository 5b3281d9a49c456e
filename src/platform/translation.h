#pragma once
// The program speaks the learner's language: German or French where the system's locale asks
// for it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), English otherwise. The English texts are the
// sources. A text is marked where it is written, by tr() in a class that declares its
// translation context (Q_DECLARE_TR_FUNCTIONS) or by QT_TRANSLATE_NOOP for a constant, and
// translated where it is shown; translations/ holds them, one file per language.
#include <QCoreApplication>
#include <string>
#include <vector>

// Installs the program's translation for the system's language, and Qt's own for its
// standard buttons, from the folder `translations` beside the program. Returns the language
// whose translation was installed, or "en".
std::string InstallTranslations();

// The translation of source in context, in the code page of all text; the source itself
// where there is none.
std::string Translated(const char* context, const char* source);
// The same with the placeholders %1, %2 ... replaced by values: bytes of the code page (a name)
// or the system's UTF-8 (a path, a reason), taken as SystemText.
std::string Translated(const char* context, const char* source,
                       const std::vector<std::string>& values);
// The form of a text marked by QT_TRANSLATE_N_NOOP that goes with count ("1 ligne", "2 lignes").
std::string Translated(const char* context, const char* source, int count);
