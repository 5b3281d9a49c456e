#pragma once
// The single-byte code page of all text (Windows-1252): bytes to Unicode and back, and the
// locale's upper-casing of a byte.
#include <QString>
#include <optional>
#include <string>

QChar ByteToChar(unsigned char byte);
QString BytesToQString(const std::string& bytes);
// The byte for a character, or nothing when the code page cannot hold it.
std::optional<unsigned char> CharToByte(QChar ch);
// Converts text; false (and partial output) when some character has no byte.
bool QStringToBytes(const QString& text, std::string& bytes);
// Upper case of a byte by the code page's letters (a-z, the accented letters, s/z/oe caron...).
unsigned char UpperByte(unsigned char byte);
