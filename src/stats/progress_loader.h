#pragma once
// What the program knows of the Progress window. The window itself is built into a module of
// its own, loaded the first time a learner opens it: the chart libraries it needs are then
// mapped only into a run that shows them.
#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "keyboard/layout.h"
#include "platform/window_context.h"
#include "practice/key_mastery.h"
#include "stats/stats_database.h"

class ProgressWindow : public QDialog {
 public:
  using QDialog::QDialog;
  // Before each showing: what was typed is written, the learners are listed with the current
  // one picked, and everything is filled in for the kind last chosen.
  virtual void Open() = 0;
};

using LearnerSource = std::function<std::string()>;
using GoalsSource = std::function<MasteryGoals(const std::string& learner)>;
// Practises the keys handed over, the furthest from the goals first.
using PractiseKeys = std::function<void(const std::string& keys)>;
// Makes the window; throws AppError, naming what is missing, when it cannot.
using ProgressFactory = std::function<std::unique_ptr<ProgressWindow>(
    WindowContext&, StatsDatabase&, const LayoutRec&, LearnerSource, GoalsSource, PractiseKeys)>;

// The module sits beside the program in the build tree, in lib/qz-typing-tutor under the
// installed program's prefix; it exports one function of this type by this name.
inline constexpr const char* kProgressModuleFile = "libqz_progress.so";
inline constexpr const char* kProgressMakerName = "qz_make_progress_window";
using ProgressMaker = ProgressWindow*(WindowContext&, StatsDatabase&, const LayoutRec&,
                                      LearnerSource, GoalsSource, PractiseKeys);

// The running program's module.
std::string ProgressModuleOfProgram();
// Loads the module at path on its first successful call and makes the window with it. The
// module stays loaded for the rest of the run; a failed load is tried again at the next call.
ProgressFactory ModuleProgressFactory(std::string path);
