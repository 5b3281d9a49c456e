#include "practice/paragraph_drill.h"

#include <algorithm>

#include "platform/errors.h"
#include "platform/key_codes.h"
#include "platform/translation.h"
#include "practice/statistics.h"

namespace {
constexpr size_t kMaxLinesAnswer = 5;
constexpr const char* kSkipMark = "...";

// A tab drawn as itself is a blank cell, which reads as a space: it shows as "»".
std::string CellText(char c) {
  return std::string(1, c == '\t' ? '\xbb' : c);
}

Font Coloured(Font font, Color color, bool underline = false) {
  font.color = color;
  font.style = underline ? font_style::kUnderline : 0;
  return font;
}
}  // namespace

ParagraphDrill::ParagraphDrill(Dialogs& dialogs, Random& random, stopwatch& practiceStopwatch,
                               Canvas& canvas, ParagraphDrillView& view)
    : dialogs_(dialogs),
      random_(random),
      stopwatch_(practiceStopwatch),
      canvas_(canvas),
      view_(view) {
  TextFont.face = "Courier New";
  TextFont.height = -11;
  TextFont.size = 8;
  RowHeight = canvas_.TextHeight("A", TextFont) + 2;
  CharWidth = canvas_.TextWidth("A", TextFont);
  TypingX = kTypingRulerLeft;
  TypingY = kTypingRulerTop + RowHeight;
  SampleY = kSampleRulerTop + RowHeight;
}

int ParagraphDrill::Columns() const {
  if (CharWidth <= 0) return kMaxRowLength;
  return std::clamp((canvas_.Width() - TypingX) / CharWidth, 0, kMaxRowLength);
}

std::string_view ParagraphDrill::DrillLine(int i) const {
  if (i < 0 || i >= TextLines.size()) return {};
  return TextLines[i].substr(0, static_cast<size_t>(Columns()));
}

bool ParagraphDrill::StartDrill() {
  const std::string answer = dialogs_
                                 .InputBox(Translated("Dialogs", kInputBoxCaption),
                                           Translated("Practice", kLinesPrompt), kLinesDefault)
                                 .substr(0, kMaxLinesAnswer);
  const int lines = StrToInt(answer);
  if (lines > 0) DrillLines = lines;
  const int count = TextLines.size();
  if (count == 0 || DrillLines <= 0) return false;

  FirstLine = random_.Below(count);
  if (count - FirstLine < DrillLines) FirstLine = count - DrillLines;
  if (FirstLine < 0) {
    FirstLine = 0;
    DrillLines = count;
  }
  CurrentLine = FirstLine - 1;
  DrillChars = 0;
  DrillWords = 0;
  DrillErrors = 0;
  Row = 0;
  DrillStarted = false;
  DrillEnded = false;
  stopwatch_.Reset();
  view_.SetTypingRulerColor(clBlack);
  return true;
}

void ParagraphDrill::NextRow() {
  ++Row;
  ++CurrentLine;
  const int left = FirstLine + DrillLines - CurrentLine;
  view_.ShowStatus(std::to_string(left) + Translated("Practice", kLinesLeft, left));
  const std::string_view line = DrillLine(CurrentLine);
  RowLength = static_cast<int>(line.size());
  RowWords = CountWords(std::string(line));
  Column = 1;
  DrillChars += RowLength;
  DrillWords += RowWords;
  DrawRowNumber(TypedRowY(Row), Row);
}

void ParagraphDrill::NewPage() {
  canvas_.SetBrushColor(clWhite);
  canvas_.FillRect(2, SampleY, canvas_.Width(), kTypingRulerTop - 3);
  canvas_.FillRect(2, TypingY, canvas_.Width(), canvas_.Height());
  PageLines = 0;
  Row = 0;
  NextRow();
  PageLines = std::min(kPageRows, FirstLine + DrillLines - CurrentLine);
  PageFirst = CurrentLine;
  for (auto& marks : RowMarks) marks.fill(false);
  for (int r = 1; r <= PageLines; ++r) RowTyped[static_cast<size_t>(r)].clear();
  Paint();
  view_.Refresh();
}

void ParagraphDrill::DrawSampleLines() {
  canvas_.SetBrushColor(clWhite);
  const Font font = Coloured(TextFont, clBlack);
  for (int i = 1; i <= PageLines; ++i) {
    const int y = SampleRowY(i);
    const std::string_view line = DrillLine(PageFirst + i - 1);
    for (size_t k = 1; k <= line.size(); ++k) {
      const char c = line[k - 1];
      canvas_.TextOut(CellX(static_cast<int>(k)), y, CellText(c),
                      c == '\t' ? Coloured(TextFont, clGray) : font);
    }
    DrawRowNumber(y, i % 10);
  }
}

void ParagraphDrill::Paint() {
  DrawSampleLines();
  for (int r = 1; r < Row; ++r) {
    DrawRowNumber(TypedRowY(r), r);
    DrawTypedRow(r, RowTyped[static_cast<size_t>(r)].size());
  }
  if (Row > 0) {
    DrawRowNumber(TypedRowY(Row), Row);
    DrawTypedRow(Row, static_cast<size_t>(Column - 1));
  }
}

void ParagraphDrill::DrawTypedRow(int row, size_t count) {
  const std::string& typed = RowTyped[static_cast<size_t>(row)];
  count = std::min(count, typed.size());
  for (size_t k = 1; k <= count; ++k) {
    DrawCell(row, static_cast<int>(k), typed[k - 1], RowMarks[static_cast<size_t>(row)][k]);
  }
}

void ParagraphDrill::DrawCell(int row, int column, char ch, bool right) {
  canvas_.SetBrushColor(clWhite);
  canvas_.TextOut(CellX(column), TypedRowY(row), CellText(ch),
                  right ? Coloured(TextFont, clNavy) : Coloured(TextFont, clRed, true));
}

void ParagraphDrill::DrawRowNumber(int y, int number) {
  canvas_.SetBrushColor(clWhite);
  canvas_.TextOut(2, y, std::to_string(number), Coloured(TextFont, clPurple));
}

bool ParagraphDrill::KeyDown(int vk) {
  switch (vk) {
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
      return true;
    default:
      return false;
  }
}

void ParagraphDrill::StartRule() {
  if (DrillStarted) return;
  stopwatch_.Start();
  DrillStarted = true;
  view_.SetTypingRulerColor(clLime);
}

void ParagraphDrill::KeyPress(int key, bool repeated) {
  const auto row = static_cast<size_t>(Row);
  if (RowLength < Column || RowLength <= 0) {
    RowDone();  // the key after a row's last character only moves on
  } else if (key != VK_BACK && key != VK_RETURN && key != VK_ESCAPE && key != 0) {
    const char expected = DrillLine(CurrentLine)[Column - 1];
    const bool right = key < 256 && static_cast<char>(key) == expected;
    if (recorder_ && !repeated) recorder_->KeyTyped(expected, !right);
    const char shown = key < 256 ? static_cast<char>(key) : '?';
    DrawCell(Row, Column, shown, right);
    RowMarks[row][static_cast<size_t>(Column)] = right;
    RowTyped[row] += shown;
    ++Column;
    StartRule();
    view_.Refresh();
  } else if (key == VK_BACK) {
    if (Column > 1) {
      canvas_.SetBrushColor(clWhite);
      canvas_.FillRect(CellX(Column - 1), TypingY + (Row - 1) * RowHeight, CellX(Column),
                       TypingY + Row * RowHeight + 2);
      RowTyped[row].pop_back();
      RowMarks[row][static_cast<size_t>(Column - 1)] = false;
      --Column;
      view_.Refresh();
    }
  } else if (key == VK_RETURN) {
    // The rest of the row counts as wrong: its marks are all unset. The mark stays within the
    // columns shown.
    std::string& typed = RowTyped[row];  // shorter than the row while the row is open
    const std::string mark =
        std::string(kSkipMark).substr(0, static_cast<size_t>(Columns()) - typed.size());
    for (char ch : mark) {
      typed += ch;
      DrawCell(Row, static_cast<int>(typed.size()), ch, false);
    }
    StartRule();
    RowDone();
  } else if (key == VK_ESCAPE) {
    DrillEnded = true;
  }
  if (!DrillEnded) return;

  stopwatch_.Stop();
  DrillTime = stopwatch_.ReadElapsed();
  DrillStarted = false;
  DrillEnded = false;
  if (key != VK_ESCAPE) ShowResult();
  view_.CloseDrill();
}

void ParagraphDrill::RowDone() {
  const auto& marks = RowMarks[static_cast<size_t>(Row)];
  for (int k = 1; k <= RowLength; ++k) {
    if (!marks[static_cast<size_t>(k)]) ++DrillErrors;
  }
  if (CurrentLine >= FirstLine + DrillLines - 1) {
    DrillEnded = true;
  } else if (Row < PageLines) {
    NextRow();
    view_.Refresh();
  } else {
    NewPage();
  }
}

void ParagraphDrill::ShowResult() {
  if (DrillChars <= 0) return;
  const TypingRates rates = ComputeRates(DrillChars, DrillErrors, DrillWords, DrillTime);
  if (recorder_) {
    recorder_->TypingFinished(
        {PracticeKind::Paragraph, DrillChars, DrillErrors, DrillWords, DrillTime, rates, 0, {}});
  }
  dialogs_.Inform(StatisticsText(rates));
  if (rates.keysPerMinute > kTooFastKeysPerMinute)
    dialogs_.Warn(Translated("Practice", kTooFastWarning));
}
