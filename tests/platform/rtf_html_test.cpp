#include "platform/rtf_html.h"

#include <gtest/gtest.h>

#include <QTextDocument>

#include "platform/files.h"

TEST(RtfToHtml, KeepsTheHelpsFormattingAndLeavesTablesOut) {
  const QString html = RtfToHtml(
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}{\\f1 Courier New;}}"
      "{\\colortbl;\\red0\\green0\\blue128;}"
      "{\\pard\\qc\\b\\fs36 Title\\par}"
      "\\pard\\li360 A {\\cf1\\ul navy} {\\f1 qz.txt} caf\\'e9 \\{x\\} <b>\\par}");
  EXPECT_TRUE(html.contains("<p style=\"text-align:center;\"><span style=\"font-weight:bold;"
                            "font-size:18pt;\">Title</span></p>"))
      << html.toStdString();
  EXPECT_TRUE(html.contains("margin-left:24px"));
  EXPECT_TRUE(html.contains("color:#000080;"));
  EXPECT_TRUE(html.contains("font-family:'Courier New'"));
  QTextDocument document;
  document.setHtml(html);
  EXPECT_EQ(document.toPlainText(), QString::fromUtf8("Title\nA navy qz.txt café {x} <b>"));
}

TEST(RtfToHtml, TheShippedHelpReadsAsText) {
  for (const char* name : {"qzhelp.rtf", "qzhelp-de.rtf", "qzhelp-fr.rtf"}) {
    QTextDocument document;
    document.setHtml(RtfToHtml(ReadWholeFile(std::string(QZ_SOURCE_DIR) + "/data/" + name)));
    const QString text = document.toPlainText();
    EXPECT_FALSE(text.contains('\\')) << name;
    EXPECT_FALSE(text.contains("Times New Roman")) << name;
    EXPECT_GT(text.size(), 5000) << name;
  }
  // Broken input ends without harm.
  EXPECT_FALSE(RtfToHtml("{\\rtf1 \\'zz \\fs99999999999999 {{{ text \\").isEmpty());
}
