#pragma once
// Errors that carry the text the learner sees ("File not found", "Unable to write to ...").
// They are caught at event boundaries (see guard.h) and shown in a message box.
#include <QtGlobal>
#include <stdexcept>
#include <string>

class AppError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kFileNotFound = QT_TRANSLATE_NOOP("Errors", "File not found");
inline constexpr const char* kFileAccessDenied = QT_TRANSLATE_NOOP("Errors", "File access denied");
inline constexpr const char* kReadBeyondEnd =
    QT_TRANSLATE_NOOP("Errors", "Read beyond end of file");
inline constexpr const char* kFileTooLarge = QT_TRANSLATE_NOOP("Errors", "File too large");

// The system's reason for an errno value (strerror, in the learner's language), in the code page.
std::string SystemReason(int error);

// Converts text to a 32-bit integer the way the rest of the program expects: leading spaces,
// an optional sign, decimal digits or hexadecimal after "$" or "0x", nothing after them.
// Anything else throws AppError("'<text>' is not a valid integer value").
int StrToInt(const std::string& text);
// The same rule without the error: false when the text is no integer.
bool TryStrToInt(const std::string& text, int& value);
std::string ConversionErrorText(const std::string& text);
