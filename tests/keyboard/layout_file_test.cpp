#include "keyboard/layout_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>

#include "platform/errors.h"
#include "support/child_process.h"
#include "support/temp_dir.h"

namespace {
const std::string kVectorFile = std::string(QZ_TEST_DATA_DIR) + "/layout-48.key";

std::string ReadBytes(const std::string& path) {
  QFile file(QString::fromStdString(path));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
  return file.readAll().toStdString();
}

QJsonObject VectorJson() {
  const std::string text = ReadBytes(std::string(QZ_TEST_DATA_DIR) + "/layout-48.json");
  return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object();
}

// A layout with every field set, in the ranges the windows accept.
LayoutRec SampleLayout() {
  LayoutRec layout;
  layout.KeyWidth = 28;
  layout.KeyHeight = 26;
  layout.KeyCount = 3;
  layout.Offset = {1, 15, 25, 40};
  for (int n = 1; n <= kMaxKeys; ++n) {
    KeyRec& key = layout.KeyAt(n);
    key.Color = RGBColor(n, 2 * n, 3 * n);
    key.Line = 1 + n % 4;
    key.Column = n % 14 + 1;
    key.Finger = n % 10;
    key.Chars = {static_cast<char>('A' + n % 26), '1', static_cast<char>(0xE9), ' '};
    for (int f = 0; f < kKeyChars; ++f) {
      Font& font = key.Fonts[f];
      font.color = RGBColor(f, n, 0);
      font.face = "Face " + std::to_string(n);
      font.SetSize(7 + f + n % 5);
      font.style = static_cast<uint8_t>((n + f) % 16);
    }
  }
  for (int n = 1; n <= kFingerCount; ++n) layout.FingerAt(n) = {30 + n, RGBColor(0, 10 * n, 0)};
  return layout;
}

void ExpectRefused(const LayoutRec& layout, const std::string& text) {
  LayoutRec target = SampleLayout();
  const LayoutRec before = target;
  try {
    DecodeLayout(EncodeLayout(layout), target);
    ADD_FAILURE() << "accepted; expected: " << text;
  } catch (const AppError& error) {
    EXPECT_EQ(error.what(), text);
  }
  EXPECT_EQ(target, before);
}

std::string ReadError(const std::string& path, LayoutRec& layout) {
  try {
    ReadLayoutFile(path, layout);
  } catch (const AppError& error) {
    return error.what();
  }
  return "no error";
}
}  // namespace

TEST(LayoutFile, DecodesTheVectorFieldByField) {
  LayoutRec layout;
  ReadLayoutFile(kVectorFile, layout);
  const QJsonObject json = VectorJson();
  EXPECT_EQ(layout.KeyWidth, json["key_width"].toInt());
  EXPECT_EQ(layout.KeyHeight, json["key_height"].toInt());
  EXPECT_EQ(layout.KeyCount, json["key_count"].toInt());
  for (int line = 1; line <= kLineCount; ++line) {
    EXPECT_EQ(layout.OffsetOf(line), json["offsets"][line - 1].toInt());
  }
  const QJsonArray keys = json["keys"].toArray();
  ASSERT_EQ(keys.size(), kMaxKeys);
  for (int n = 1; n <= kMaxKeys; ++n) {
    SCOPED_TRACE("key " + std::to_string(n));
    const QJsonObject expected = keys[n - 1].toObject();
    const KeyRec& key = layout.KeyAt(n);
    EXPECT_EQ(key.Color, static_cast<Color>(expected["color"].toInteger()));
    EXPECT_EQ(key.Line, expected["line"].toInt());
    EXPECT_EQ(key.Column, expected["column"].toInt());
    EXPECT_EQ(key.Finger, expected["finger"].toInt());
    for (int c = 0; c < kKeyChars; ++c) {
      EXPECT_EQ(static_cast<unsigned char>(key.Chars[c]), expected["chars"][c].toInt());
      const QJsonObject font = expected["fonts"][c].toObject();
      EXPECT_EQ(key.Fonts[c].color, static_cast<Color>(font["color"].toInteger()));
      EXPECT_EQ(key.Fonts[c].height, font["height"].toInt());
      EXPECT_EQ(key.Fonts[c].face, font["name"].toString().toStdString());
      EXPECT_EQ(key.Fonts[c].size, font["size"].toInt());
      EXPECT_EQ(key.Fonts[c].style, font["style"].toInt());
    }
  }
  const QJsonArray fingers = json["fingers"].toArray();
  ASSERT_EQ(fingers.size(), kFingerCount);
  for (int n = 1; n <= kFingerCount; ++n) {
    EXPECT_EQ(layout.FingerAt(n).Length, fingers[n - 1]["length"].toInt());
    EXPECT_EQ(layout.FingerAt(n).Color, static_cast<Color>(fingers[n - 1]["color"].toInteger()));
  }
}

TEST(LayoutFile, WritesTheVectorBackByteForByte) {
  LayoutRec layout;
  ReadLayoutFile(kVectorFile, layout);
  TempDir dir;
  WriteLayoutFile(dir.File("copy.key"), layout);
  EXPECT_EQ(dir.Read("copy.key"), ReadBytes(kVectorFile));
}

TEST(LayoutFile, RoundTripKeepsEveryFieldAndCutsLongFaceNames) {
  LayoutRec layout = SampleLayout();
  layout.KeyAt(2).Fonts[3].face = std::string(70, 'x');
  TempDir dir;
  WriteLayoutFile(dir.File("a.key"), layout);
  LayoutRec read;
  ReadLayoutFile(dir.File("a.key"), read);
  layout.KeyAt(2).Fonts[3].face.resize(60);
  EXPECT_EQ(read, layout);
}

TEST(LayoutFile, SizeDecidesTheHeightAndMeaninglessBytesAreZero) {
  LayoutRec layout = SampleLayout();
  Font& font = layout.KeyAt(1).Fonts[0];
  font.face = "Arial";
  font.SetSize(12);
  font.height = -99;  // a height the size does not give
  font.style = 0xF3;  // bits beyond strike-out mean nothing
  const std::string bytes = EncodeLayout(layout);
  ASSERT_EQ(bytes.size(), kLayoutFileSize);
  const size_t fontAt = 28 + 20;
  EXPECT_EQ(bytes[fontAt + 8], 5);
  EXPECT_EQ(bytes.substr(fontAt + 9, 5), "Arial");
  EXPECT_EQ(bytes.substr(fontAt + 14, 58), std::string(58, '\0'));  // rest of name and gap
  EXPECT_EQ(static_cast<unsigned char>(bytes[fontAt + 76]), 0x03);
  EXPECT_EQ(bytes.substr(fontAt + 77, 3), std::string(3, '\0'));
  LayoutRec read;
  DecodeLayout(bytes, read);
  EXPECT_EQ(read.KeyAt(1).Fonts[0].height, -16);
  EXPECT_EQ(read.KeyAt(1).Fonts[0].style, 0x03);
}

TEST(LayoutFile, AllSixtyRecordsAreWrittenWhateverTheKeyCount) {
  LayoutRec layout = SampleLayout();
  layout.KeyCount = 48;
  const std::string bytes = EncodeLayout(layout);
  const size_t record60 = 28 + 59 * 340;
  EXPECT_EQ(static_cast<unsigned char>(bytes[record60]), 60);  // colour red part of key 60
  EXPECT_EQ(bytes[record60 + 16], layout.KeyAt(60).Chars[0]);
  LayoutRec read;
  DecodeLayout(bytes, read);
  EXPECT_EQ(read.KeyAt(49), layout.KeyAt(49));
  EXPECT_EQ(read.KeyAt(60), layout.KeyAt(60));
}

TEST(LayoutFile, ShortFilesFailAndLongFilesLoadTheirFirstRecord) {
  TempDir dir;
  const std::string record = ReadBytes(kVectorFile);
  dir.Write("short.key", record.substr(0, kLayoutFileSize - 1));
  dir.Write("long.key", record + std::string(92, '\x7F'));
  dir.Write("empty.key", "");
  LayoutRec layout = SampleLayout();
  const LayoutRec before = layout;
  EXPECT_EQ(ReadError(dir.File("short.key"), layout), "Read beyond end of file");
  EXPECT_EQ(ReadError(dir.File("empty.key"), layout), "Read beyond end of file");
  EXPECT_EQ(layout, before);
  ReadLayoutFile(dir.File("long.key"), layout);
  LayoutRec expected;
  ReadLayoutFile(kVectorFile, expected);
  EXPECT_EQ(layout, expected);
}

TEST(LayoutFile, OpeningFailuresCarryTheSystemText) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("folder.key"));
  dir.Write("plain", "x");
  dir.MakePipe("pipe.key");
  LayoutRec layout = SampleLayout();
  const LayoutRec before = layout;
  EXPECT_EQ(ReadError(dir.File("missing.key"), layout), "File not found");
  EXPECT_EQ(ReadError(dir.File("folder.key"), layout), "File access denied");
  EXPECT_EQ(ReadError(dir.File("pipe.key"), layout), "File access denied");
  EXPECT_EQ(ReadError("/dev/zero", layout), "File access denied");
  EXPECT_EQ(ReadError(dir.File("plain/under.key"), layout), "File not found");
  EXPECT_EQ(layout, before);
}

TEST(LayoutFile, WriteFailuresAreReportedAndLeaveWhatWasThere) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("folder.key"));
  dir.Write("plain", "x");
  const auto writeError = [](const std::string& path) -> std::string {
    try {
      WriteLayoutFile(path, SampleLayout());
    } catch (const AppError& error) {
      return error.what();
    }
    return "no error";
  };
  EXPECT_EQ(writeError(dir.File("folder.key")), "Is a directory");
  EXPECT_EQ(writeError(dir.File("plain/under.key")), "Not a directory");
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.key")));
  EXPECT_EQ(dir.Read("plain"), "x");

  // A writable layout in a folder that takes no new file is replaced all the same.
  dir.Write("mine.key", "old");
  ASSERT_EQ(::chown(dir.File("mine.key").c_str(), 65534, 65534), 0);
  ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
  EXPECT_EQ(InChild([&] {
              return ::setuid(65534) == 0 && writeError(dir.File("mine.key")) == "no error";
            }),
            0);
  EXPECT_EQ(dir.Read("mine.key").size(), kLayoutFileSize);

  // A new layout can be read by whom the umask lets read it, as the learners of a shared folder.
  const mode_t mask = ::umask(022);
  writeError(dir.File("new.key"));
  ::umask(mask);
  struct stat status {};
  ASSERT_EQ(::stat(dir.File("new.key").c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0644u);
}

TEST(LayoutFile, RefusesValuesTheWindowsCannotShowAndKeepsTheLayout) {
  LayoutRec layout = SampleLayout();
  layout.KeyCount = 61;
  ExpectRefused(layout, "Invalid layout: the key count 61 is outside 0..60");
  layout.KeyCount = -1;
  ExpectRefused(layout, "Invalid layout: the key count -1 is outside 0..60");

  layout = SampleLayout();
  layout.KeyCount = 10;
  layout.KeyAt(4).Line = 5;
  ExpectRefused(layout, "Invalid layout: key 4 is on line 5, outside 1..4");
  layout.KeyAt(4).Line = 0;
  ExpectRefused(layout, "Invalid layout: key 4 is on line 0, outside 1..4");
  layout.KeyAt(4).Line = 2;
  layout.KeyAt(9).Finger = 10;
  ExpectRefused(layout, "Invalid layout: key 9 has finger 10, outside 0..9");
  layout.KeyAt(9).Finger = -1;
  ExpectRefused(layout, "Invalid layout: key 9 has finger -1, outside 0..9");

  layout = SampleLayout();
  layout.KeyHeight = 900;
  ExpectRefused(layout, "Invalid layout: the keyboard would be 304 x 4560 pixels, more than 4096");
  layout = SampleLayout();
  layout.KeyAt(1).Column = 200;
  ExpectRefused(layout, "Invalid layout: the keyboard would be 6451 x 190 pixels, more than 4096");
  layout = SampleLayout();
  layout.KeyWidth = INT32_MAX;
  ExpectRefused(layout,
                "Invalid layout: the keyboard would be 17179869256 x 190 pixels, more than 4096");
  layout = SampleLayout();
  layout.FingerAt(3).Length = 4077;
  ExpectRefused(layout, "Invalid layout: the hands would be 4097 pixels high, more than 4096");

  layout = SampleLayout();
  Font& spaceBarFont = layout.KeyAt(3).Fonts[2];  // the space bar's characters are drawn too
  spaceBarFont.SetSize(3000);
  ExpectRefused(layout, "Invalid layout: key 3 has a font of 3000 points, outside 1..72");
  spaceBarFont.SetSize(0);
  ExpectRefused(layout, "Invalid layout: key 3 has a font of 0 points, outside 1..72");
  spaceBarFont.SetSize(72);
  spaceBarFont.height = -4000;  // only in memory: reading sets the height from the size
  EXPECT_EQ(LayoutProblem(layout),
            "Invalid layout: key 3 has a font 4000 pixels high, outside 1..96");
}

TEST(LayoutFile, AcceptsWhatTheWindowsCanShow) {
  LayoutRec layout = SampleLayout();
  layout.KeyCount = 10;
  layout.KeyAt(10).Line = 9;     // the space bar's line is not used
  layout.KeyAt(10).Finger = 12;  // nor checked: it lights no hand finger
  layout.KeyAt(11).Line = 0;     // keys past the count are not in use
  layout.KeyWidth = 5;           // small and odd values are fine
  layout.KeyHeight = -3;
  layout.FingerAt(3).Length = 4076;
  layout.FingerAt(8).Length = 9000;  // the right hand's fingers do not size the windows
  layout.KeyAt(1).Fonts[0].SetSize(1);
  layout.KeyAt(10).Fonts[3].SetSize(72);
  layout.KeyAt(11).Fonts[0].SetSize(3000);  // never drawn
  LayoutRec read;
  DecodeLayout(EncodeLayout(layout), read);
  EXPECT_EQ(read, layout);
  layout.KeyCount = 0;
  DecodeLayout(EncodeLayout(layout), read);
  EXPECT_EQ(read.KeyCount, 0);
}

TEST(LayoutFile, ArbitraryBytesNeverBreakDecoding) {
  // Every refusal or acceptance must leave a layout the windows can show.
  std::string bytes = ReadBytes(kVectorFile);
  uint32_t state = 12345;
  for (int round = 0; round < 300; ++round) {
    for (int i = 0; i < 40; ++i) {
      state = state * 1103515245u + 12345u;
      bytes[(state >> 8) % bytes.size()] = static_cast<char>(state >> 24);
    }
    LayoutRec layout;
    try {
      DecodeLayout(bytes, layout);
      EXPECT_EQ(LayoutProblem(layout), "");
    } catch (const AppError&) {
      EXPECT_EQ(layout, LayoutRec{});
    }
  }
}
