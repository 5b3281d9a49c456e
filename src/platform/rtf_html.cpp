#include "platform/rtf_html.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <vector>

#include "platform/codepage.h"

namespace {
constexpr int kTwipsPerPixel = 15;
constexpr int kLargestValue = 1 << 20;  // control word values beyond any the help uses

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct CharFormat {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool mono = false;
  int halfPoints = 0;  // 0: the document's size
  int color = 0;       // index into the colour table
  bool skip = false;   // inside a destination that is not text
  bool operator==(const CharFormat&) const = default;
};

class Converter {
 public:
  explicit Converter(std::string_view rtf) : rtf_(rtf) {}

  QString Run() {
    while (at_ < rtf_.size()) {
      const char c = rtf_[at_++];
      if (c == '{') {
        stack_.push_back(format_);
      } else if (c == '}') {
        if (!stack_.empty()) {
          format_ = stack_.back();
          stack_.pop_back();
        }
      } else if (c == '\\') {
        ControlWord();
      } else if (c != '\r' && c != '\n') {
        Text(static_cast<unsigned char>(c));
      }
    }
    EndParagraph(false);
    return "<html><body>" + html_ + "</body></html>";
  }

 private:
  void ControlWord() {
    if (at_ >= rtf_.size()) return;
    const char first = rtf_[at_];
    if (!std::isalpha(static_cast<unsigned char>(first))) {
      ++at_;
      if (first == '\'' && at_ + 2 <= rtf_.size()) {
        const int high = HexDigit(rtf_[at_]);
        const int low = HexDigit(rtf_[at_ + 1]);
        if (high >= 0 && low >= 0) Text(static_cast<unsigned char>(high * 16 + low));
        at_ += 2;
      } else if (first == '*') {
        format_.skip = true;
      } else if (first == '~') {
        Text(0xA0);
      } else if (first == '\\' || first == '{' || first == '}') {
        Text(static_cast<unsigned char>(first));
      }
      return;
    }
    const std::string word = ReadName();
    const std::optional<int> value = ReadValue();
    if (at_ < rtf_.size() && rtf_[at_] == ' ') ++at_;
    Apply(word, value.value_or(1), value.has_value());
  }

  std::string ReadName() {
    std::string name;
    while (at_ < rtf_.size() && std::isalpha(static_cast<unsigned char>(rtf_[at_])))
      name += rtf_[at_++];
    return name;
  }

  // A control word's value: digits, perhaps after a minus; nothing when there are none.
  std::optional<int> ReadValue() {
    const bool negative = at_ < rtf_.size() && rtf_[at_] == '-';
    if (negative) ++at_;
    std::optional<int> value;
    while (at_ < rtf_.size() && std::isdigit(static_cast<unsigned char>(rtf_[at_])))
      value = std::min(value.value_or(0) * 10 + (rtf_[at_++] - '0'), kLargestValue);
    return negative && value ? std::optional<int>(-*value) : value;
  }

  void Apply(const std::string& word, int value, bool hasValue) {
    if (word == "fonttbl" || word == "info" || word == "stylesheet") {
      format_.skip = true;
    } else if (word == "colortbl") {
      format_.skip = true;
      ReadColorTable();
    } else if (word == "par") {
      EndParagraph(true);
    } else if (word == "pard") {
      center_ = false;
      indent_ = 0;
    } else if (word == "qc") {
      center_ = true;
    } else if (word == "li") {
      indent_ = value;
    } else if (word == "b") {
      format_.bold = value != 0;
    } else if (word == "i") {
      format_.italic = value != 0;
    } else if (word == "ul") {
      format_.underline = value != 0;
    } else if (word == "ulnone") {
      format_.underline = false;
    } else if (word == "f") {
      format_.mono = value == 1;
    } else if (word == "fs") {
      format_.halfPoints = hasValue ? value : 0;
    } else if (word == "cf") {
      format_.color = value;
    } else if (word == "plain") {
      format_ = CharFormat{.skip = format_.skip};
    } else if (word == "tab") {
      Text(' ');
    }
  }

  // "\red0\green0\blue128;" entries up to the group's end; an entry without values (the
  // first, as a rule) is the text colour.
  void ReadColorTable() {
    colors_.clear();
    int rgb[3] = {0, 0, 0};
    bool given = false;
    while (at_ < rtf_.size() && rtf_[at_] != '}') {
      const char c = rtf_[at_++];
      if (c == ';') {
        colors_.push_back(given ? QString("#%1%2%3")
                                      .arg(rgb[0], 2, 16, QChar('0'))
                                      .arg(rgb[1], 2, 16, QChar('0'))
                                      .arg(rgb[2], 2, 16, QChar('0'))
                                : QString());
        rgb[0] = rgb[1] = rgb[2] = 0;
        given = false;
      } else if (c == '\\') {
        const std::string word = ReadName();
        const int value = ReadValue().value_or(0);
        const int channel = word == "red" ? 0 : word == "green" ? 1 : word == "blue" ? 2 : -1;
        if (channel >= 0) {
          rgb[channel] = value & 0xFF;
          given = true;
        }
      }
    }
  }

  void Text(unsigned char byte) {
    if (format_.skip) return;
    if (!inParagraph_) {
      QString style;
      if (center_) style += "text-align:center;";
      if (indent_ > 0) style += QString("margin-left:%1px;").arg(indent_ / kTwipsPerPixel);
      html_ += style.isEmpty() ? "<p>" : "<p style=\"" + style + "\">";
      inParagraph_ = true;
    }
    if (!spanOpen_ || !(spanFormat_ == format_)) OpenSpan();
    const QChar ch = ByteToChar(byte);
    if (ch == '<') {
      html_ += "&lt;";
    } else if (ch == '>') {
      html_ += "&gt;";
    } else if (ch == '&') {
      html_ += "&amp;";
    } else {
      html_ += ch;
    }
  }

  void OpenSpan() {
    CloseSpan();
    QString style;
    if (format_.bold) style += "font-weight:bold;";
    if (format_.italic) style += "font-style:italic;";
    if (format_.underline) style += "text-decoration:underline;";
    if (format_.mono) style += "font-family:'Courier New',monospace;";
    if (format_.halfPoints > 0) style += QString("font-size:%1pt;").arg(format_.halfPoints / 2);
    if (format_.color >= 0 && format_.color < static_cast<int>(colors_.size()) &&
        !colors_[static_cast<size_t>(format_.color)].isEmpty())
      style += "color:" + colors_[static_cast<size_t>(format_.color)] + ";";
    html_ += "<span style=\"" + style + "\">";
    spanOpen_ = true;
    spanFormat_ = format_;
  }

  void CloseSpan() {
    if (spanOpen_) html_ += "</span>";
    spanOpen_ = false;
  }

  void EndParagraph(bool emptyToo) {
    if (format_.skip) return;
    if (!inParagraph_ && emptyToo) html_ += "<p></p>";
    if (!inParagraph_) return;
    CloseSpan();
    html_ += "</p>\n";
    inParagraph_ = false;
  }

  std::string_view rtf_;
  size_t at_ = 0;
  CharFormat format_;
  std::vector<CharFormat> stack_;
  std::vector<QString> colors_;
  bool center_ = false;
  int indent_ = 0;
  bool inParagraph_ = false;
  bool spanOpen_ = false;
  CharFormat spanFormat_;
  QString html_;
};
}  // namespace

QString RtfToHtml(std::string_view rtf) {
  return Converter(rtf).Run();
}
