#pragma once
// The help's rich text as HTML for the program's own help window: paragraphs with their
// alignment and indent, bold, italic, underline, the monospaced font, sizes and colours of
// the colour table. Other control words and destinations are left out; text is Windows-1252.
#include <QString>
#include <string_view>

QString RtfToHtml(std::string_view rtf);
