#include "settings/settings_store.h"

#include <algorithm>
#include <climits>

#include "platform/codepage.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/translation.h"
#include "settings/settings_keys.h"

using namespace settings;

namespace {
std::vector<std::string> NonEmptyValues(const std::vector<IniEntry>& entries) {
  std::vector<std::string> values;
  for (const IniEntry& entry : entries) {
    if (!entry.value.empty()) values.push_back(entry.value);
  }
  return values;
}

int ReadChecked(const IniFile& ini, const std::string& section, const IntSetting& setting) {
  return setting.Checked(ini.ReadInteger(section, setting.key, setting.defaultValue));
}

std::string ReadText(const IniFile& ini, const std::string& section, const TextSetting& setting) {
  return ini.ReadString(section, setting.key, setting.defaultValue);
}

// A hand-edited header that lost a bracket reads as a line of the section before it, which
// then holds the next section's entries too: the lists would pair up wrongly, or not at all,
// and a save would write that back over the registrations. A stray copy of a header that the
// file also has whole harms nothing where no section takes it in.
void RefuseDamagedHeaders(const IniFile& global) {
  const std::vector<std::string> whole = global.ReadSectionNames();
  const std::vector<std::string> damaged = global.ReadDamagedHeaders();
  const auto damage = [&global](const std::string& line) {
    return AppError(Translated("Errors",
                               QT_TRANSLATE_NOOP("Errors",
                                                 "A section name in %1 lacks a bracket: \"%2\". "
                                                 "The keyboard layouts are neither read nor "
                                                 "saved until it is mended.\n"),
                               {global.Path(), line}));
  };
  for (const char* section : {kLayoutNamesSection, kLayoutFilesSection, kSettingSection}) {
    for (const IniEntry& entry : global.ReadSection(section)) {
      if (entry.key == entry.value && entry.value.starts_with('[')) throw damage(entry.value);
    }
    const bool kept = std::any_of(whole.begin(), whole.end(), [section](const std::string& name) {
      return EqualsIgnoreCase(name, section);
    });
    for (const std::string& line : damaged) {
      std::string name = line.substr(line.starts_with('[') ? 1 : 0, line.size() - 1);
      name.erase(0, name.find_first_not_of(" \t"));
      name.erase(name.find_last_not_of(" \t") + 1);
      if (!kept && EqualsIgnoreCase(name, section)) throw damage(line);
    }
  }
}

static_assert(kGoalErrorPercent.defaultValue == MasteryGoals{}.errorPercent &&
              kGoalKeysPerMinute.defaultValue == MasteryGoals{}.keysPerMinute);
}  // namespace

GlobalSettings ReadGlobalSettings(const IniFile& file) {
  const IniFile global = file.Snapshot();  // one reading of the file for all its values
  RefuseDamagedHeaders(global);
  GlobalSettings settings;
  settings.LayoutNames = NonEmptyValues(global.ReadSection(kLayoutNamesSection));
  settings.LayoutFileNames = NonEmptyValues(global.ReadSection(kLayoutFilesSection));
  const size_t paired = std::min(settings.LayoutNames.size(), settings.LayoutFileNames.size());
  settings.LayoutNames.resize(paired);
  settings.LayoutFileNames.resize(paired);
  settings.DesignerPassword =
      global.ReadString(kSettingSection, kPasswordKey, "").substr(0, kPasswordMaxLength);
  settings.CurrentUser = global.ReadString(kSettingSection, kCurrentUserKey, kDefaultLearner);
  return settings;
}

void WriteGlobalSettings(IniFile& global, const GlobalSettings& settings) {
  IniChanges changes;
  changes.EraseSection(kLayoutNamesSection).EraseSection(kLayoutFilesSection);
  for (size_t i = 0; i < settings.LayoutNames.size(); ++i) {
    const std::string key = kLayoutKeyPrefix + std::to_string(i + 1);
    changes.WriteString(kLayoutNamesSection, key, settings.LayoutNames[i]);
    changes.WriteString(kLayoutFilesSection, key,
                        i < settings.LayoutFileNames.size() ? settings.LayoutFileNames[i] : "");
  }
  changes.WriteString(kSettingSection, kPasswordKey, settings.DesignerPassword);
  changes.WriteString(kSettingSection, kCurrentUserKey, settings.CurrentUser);
  global.Apply(changes);
}

std::vector<std::string> ReadLearnerNames(const IniFile& learners) {
  std::vector<std::string> names;
  std::vector<std::string> seen;  // upper-cased, sorted
  for (const std::string& name : learners.ReadSectionNames()) {
    const std::string upper = UpperBytes(name);
    const auto place = std::lower_bound(seen.begin(), seen.end(), upper);
    if (place != seen.end() && *place == upper) continue;
    seen.insert(place, upper);
    names.push_back(name);
  }
  std::stable_sort(names.begin(), names.end(), NameSortsBefore);
  return names;
}

LearnerSettings ReadLearnerSettings(const IniFile& learners, const std::string& name) {
  LearnerSettings s;
  s.Progress = ReadChecked(learners, name, kProgress);
  s.TimeTotal = ReadChecked(learners, name, kTimeTotal);
  if (s.TimeTotal < 0) s.TimeTotal += INT64_C(1) << 32;
  s.CourseText = ReadText(learners, name, kCourseText);
  s.PracticeText = ReadText(learners, name, kPracticeText);
  s.GameText = ReadText(learners, name, kGameText);
  s.FontName = ReadText(learners, name, kFontName);
  s.CurrentLayout = ReadChecked(learners, name, kCurrentLayout);
  s.EnableGame = learners.ReadBool(name, kEnableGame.key, kEnableGame.defaultValue);
  s.FontSize = ReadChecked(learners, name, kFontSize);
  s.BlinkingColor = static_cast<Color>(ReadChecked(learners, name, kBlinkingColor));
  s.Goals.errorPercent = ReadChecked(learners, name, kGoalErrorPercent);
  s.Goals.keysPerMinute = ReadChecked(learners, name, kGoalKeysPerMinute);
  return s;
}

namespace {
bool HasKey(const IniFile& ini, const std::string& section, const char* key) {
  const std::vector<IniEntry> entries = ini.ReadSection(section);
  return std::any_of(entries.begin(), entries.end(),
                     [&](const IniEntry& entry) { return EqualsIgnoreCase(entry.key, key); });
}

IniChanges LearnerChanges(const IniFile& current, const std::string& name,
                          const LearnerSettings& s) {
  IniChanges changes;
  changes.WriteInteger(name, kProgress.key, s.Progress)
      .WriteInteger(name, kTimeTotal.key, AddPracticeTime(s.TimeTotal, 0))
      .WriteString(name, kCourseText.key, s.CourseText)
      .WriteString(name, kPracticeText.key, s.PracticeText)
      .WriteString(name, kGameText.key, s.GameText)
      .WriteString(name, kFontName.key, s.FontName)
      .WriteInteger(name, kCurrentLayout.key, s.CurrentLayout)
      .WriteBool(name, kEnableGame.key, s.EnableGame)
      .WriteInteger(name, kFontSize.key, s.FontSize)
      .WriteInteger(name, kBlinkingColor.key, static_cast<int>(s.BlinkingColor));
  for (const auto& [setting, value] : {std::pair{kGoalErrorPercent, s.Goals.errorPercent},
                                       std::pair{kGoalKeysPerMinute, s.Goals.keysPerMinute}}) {
    if (value != setting.defaultValue || HasKey(current, name, setting.key))
      changes.WriteInteger(name, setting.key, value);
  }
  return changes;
}
}  // namespace

void WriteLearnerSettings(IniFile& learners, const std::string& name, const LearnerSettings& s) {
  learners.Update([&](const IniFile& current) { return LearnerChanges(current, name, s); });
}

void SaveLearnerSettings(IniFile& learners, const std::string& name, LearnerSettings settings,
                         int64_t addedTime) {
  learners.Update([&](const IniFile& current) {
    settings.TimeTotal = AddPracticeTime(ReadLearnerSettings(current, name).TimeTotal, addedTime);
    return LearnerChanges(current, name, settings);
  });
}

std::string LearnerNameProblem(const std::string& name) {
  const bool control = std::any_of(name.begin(), name.end(), [](char c) {
    return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
  });
  if (control || name.find(']') != std::string::npos) {
    return Translated("Options",
                      QT_TRANSLATE_NOOP("Options",
                                        "A learner name cannot contain \"]\", a line break or "
                                        "another control character."));
  }
  // Reading "CurrentUser" back removes one pair of quotes, so such a learner is never
  // found again.
  if (name.size() > 1 && (name.front() == '"' || name.front() == '\'') &&
      name.back() == name.front()) {
    return Translated(
        "Options",
        QT_TRANSLATE_NOOP("Options", "A learner name cannot begin and end with the same quote."));
  }
  return {};
}

int AddPracticeTime(int64_t stored, int64_t run) {
  return static_cast<int>(std::clamp<int64_t>(stored + run, 0, INT_MAX));
}

std::string TrimIniSpace(const std::string& text) {
  const auto isSpace = [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x09 && byte <= 0x0D) || byte == 0x1A || byte == 0x20;
  };
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isSpace(text[begin])) ++begin;
  while (end > begin && isSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::optional<LayoutContent> ContentOfLayout(const std::string& layoutFile) {
  struct Shipped {
    const char* layout;
    LayoutContent content;
  };
  static const Shipped kShipped[] = {
      {"us.key",
       {"qzcourse.txt", "qz.txt", "qzgame.txt",
        QT_TRANSLATE_NOOP("Options", "Use the English course and texts as well?")}},
      {"uk.key",
       {"qzcourse-uk.txt", "qz.txt", "qzgame.txt",
        QT_TRANSLATE_NOOP("Options", "Use the UK course and the English texts as well?")}},
      {"dvorak.key",
       {"qzcourse-dvorak.txt", "qz.txt", "qzgame.txt",
        QT_TRANSLATE_NOOP("Options", "Use the Dvorak course and the English texts as well?")}},
      {"colemak.key",
       {"qzcourse-colemak.txt", "qz.txt", "qzgame.txt",
        QT_TRANSLATE_NOOP("Options", "Use the Colemak course and the English texts as well?")}},
      {"de.key",
       {"qzcourse-de.txt", "qz-de.txt", "qzgame-de.txt",
        QT_TRANSLATE_NOOP("Options", "Use the German course and texts as well?")}},
      {"fr.key",
       {"qzcourse-fr.txt", "qz-fr.txt", "qzgame-fr.txt",
        QT_TRANSLATE_NOOP("Options", "Use the French course and texts as well?")}}};
  for (const Shipped& shipped : kShipped) {
    if (EqualsIgnoreCase(layoutFile, shipped.layout)) return shipped.content;
  }
  return std::nullopt;
}
