#pragma once
// The single-byte code page of all text (Windows-1252): bytes to Unicode and back, and the
// locale's upper-casing of a byte.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

QChar ByteToChar(unsigned char byte);
QString BytesToQString(const std::string& bytes);
// The byte for a character, or nothing when the code page cannot hold it.
std::optional<unsigned char> CharToByte(QChar ch);
// Converts text; false (and partial output) when some character has no byte.
bool QStringToBytes(const QString& text, std::string& bytes);
// A text file saved as UTF-8, as editors save by default, rewritten in place as the code page's
// bytes: one with a byte-order mark (which goes), or one that is valid UTF-8 and holds a
// character beyond ASCII. A character the code page lacks, or a byte no UTF-8 after a mark,
// becomes '?'. Any other text is the code page's own and stays as it is. Returns the new size.
size_t Utf8AsCodePage(char* text, size_t size);
// A text of the system's (a path, an error's reason), which it writes in UTF-8, in the code page:
// Utf8AsCodePage on a copy.
std::string SystemText(std::string text);
// Text of the code page for the terminal, which reads UTF-8.
std::string TerminalText(const std::string& bytes);
// A file's name as the learner reads it: a name valid as UTF-8 (as file systems name files) in
// UTF-8, any other in the code page.
QString FileNameText(const std::string& name);
// Text that came from bytes of the code page (a control's text, a stored name), back as those
// bytes (up to a character without one).
std::string BytesOf(const QString& text);
// Upper case of a byte by the code page's letters (a-z, the accented letters, s/z/oe caron...).
unsigned char UpperByte(unsigned char byte);
// A character of the code page: a letter, its upper case, its lower case.
bool IsLetter(char c);
// A lower-case letter of a language's alphabet: one with a capital, or sharp s. The micro sign
// and the ordinal indicators are symbols, though Unicode counts them as letters.
bool IsLowerLetter(char c);
char Upper(char c);
char Lower(char c);
// Names compare and sort without regard to case, byte by byte.
std::string UpperBytes(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// Names of the code page as a list shows them to people: in the language's order, without
// regard to case ("Élodie" beside "Eva", not after "Zoe").
bool NameSortsBefore(const std::string& a, const std::string& b);
