#include "stats/progress_loader.h"

#include <QCoreApplication>

#include "platform/errors.h"
#include "platform/module_file.h"
#include "platform/program_files.h"
#include "platform/translation.h"

std::string ProgressModuleOfProgram() {
  return ShippedPath(QCoreApplication::applicationDirPath().toStdString(), kProgressModuleFile,
                     std::string("lib/qz-typing-tutor/modules/") + kProgressModuleFile);
}

namespace {
ProgressMaker* LoadMaker(const std::string& path) {
  // Never unloaded: the window's code and the chart library's must outlive every window.
  std::string reason;
  auto* maker = reinterpret_cast<ProgressMaker*>(ModuleFunction(path, kProgressMakerName, reason));
  if (!maker) {
    throw AppError(Translated(
        "Errors", QT_TRANSLATE_NOOP("Errors", "The Progress window cannot be opened: %1"),
        {reason}));
  }
  return maker;
}
}  // namespace

ProgressFactory ModuleProgressFactory(std::string path) {
  auto maker = std::make_shared<ProgressMaker*>(nullptr);
  return [path = std::move(path), maker](WindowContext& context, StatsDatabase& stats,
                                         const LayoutRec& layout, LearnerSource learner,
                                         GoalsSource goals, PractiseKeys practise) {
    if (!*maker) *maker = LoadMaker(path);
    return std::unique_ptr<ProgressWindow>((*maker)(context, stats, layout, std::move(learner),
                                                    std::move(goals), std::move(practise)));
  };
}
