#pragma once
// What the Options window changes in the rest of the program when it applies the settings
// and what it reads back when it saves them. The program implements it over its windows;
// tests record the calls.
#include <QDialog>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/colors.h"

class SettingsTargets {
 public:
  virtual ~SettingsTargets() = default;

  // The start-up learner picker: its list (selected: index or -1) and the name picked.
  virtual void SetPickerNames(const std::vector<std::string>& names, int selected) = 0;
  virtual std::string PickedName() = 0;

  // The course window's position.
  virtual void SetProgress(int index) = 0;
  virtual int GetProgress() = 0;
  // This run's practice time of the course, free drills and sentence drills, in ms.
  virtual int64_t GetPracticeTime() = 0;

  // The main menu's "&Game" button.
  virtual void EnableGameButton(bool enabled) = 0;

  // The layout: read from the file into the program's layout (throws AppError, and the layout
  // is unchanged then), the fingers taken by both hands, the keyboard's keys rebuilt.
  virtual void ReadLayoutFile(const std::string& path) = 0;
  virtual void ApplyFingerLayout() = 0;
  virtual void SetBlinkingColor(Color color) = 0;
  virtual void BuildKeys(int ox, int oy) = 0;
  // Keyboard and hand timers on, keys drawn.
  virtual void StartGuides() = 0;

  // The free drills, course and sentence drills windows, in this order: widened to width
  // and centred on a screen screenWidth wide; their two text boxes set to the font.
  virtual void WidenPracticeWindows(int width, int screenWidth) = 0;
  virtual void SetPracticeFont(int size, const std::string& face) = 0;

  // Text files, by bare name: the course; the sentence and then the paragraph drills; the game.
  virtual void LoadCourseText(const std::string& name) = 0;
  virtual void LoadSentenceText(const std::string& name) = 0;
  virtual void SetGameText(const std::string& name) = 0;

  // The layout designer, shown modally behind the password.
  virtual QDialog& Designer() = 0;

  // A learner's section was erased from qzc.ini: their practice history goes too.
  virtual void LearnerDeleted(const std::string& name) = 0;
  // Another running instance of the program practises for the learner.
  virtual bool PractisingElsewhere(const std::string& name) = 0;
};
