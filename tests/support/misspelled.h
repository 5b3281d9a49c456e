#pragma once
// Spelling checked by hunspell, for the texts and word lists shipped in data/.
#include <QProcess>
#include <set>
#include <string>

#include "platform/codepage.h"

// The words of the text (in the code page) that the spell checker's dictionary does not know.
inline std::set<std::string> Misspelled(const std::string& dictionary, const std::string& text) {
  QProcess hunspell;
  hunspell.start("hunspell", {"-d", QString::fromStdString(dictionary), "-l"});
  if (!hunspell.waitForStarted()) return {"(hunspell is missing: run scripts/install-deps.sh)"};
  hunspell.write(BytesToQString(text).toUtf8());
  hunspell.closeWriteChannel();
  hunspell.waitForFinished(-1);
  std::set<std::string> words;
  for (const QByteArray& word : hunspell.readAllStandardOutput().split('\n')) {
    if (!word.isEmpty()) words.insert(BytesOf(QString::fromUtf8(word)));
  }
  return words;
}
