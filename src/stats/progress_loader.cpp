#include "stats/progress_loader.h"

#include <dlfcn.h>

#include <QCoreApplication>

#include "platform/errors.h"

std::string ProgressModuleBesideProgram() {
  return (QCoreApplication::applicationDirPath() + "/" + kProgressModuleFile).toStdString();
}

namespace {
std::string LoaderReason() {
  const char* reason = dlerror();
  return reason ? reason : "unknown reason";
}

ProgressMaker* LoadMaker(const std::string& path) {
  // Every symbol now: a module that does not fit the program fails here, not mid-way. Never
  // closed: the window's code and the chart library's must outlive every window.
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) throw AppError("The Progress window cannot be opened: " + LoaderReason());
  auto* maker = reinterpret_cast<ProgressMaker*>(dlsym(module, kProgressMakerName));
  if (!maker) throw AppError("The Progress window cannot be opened: " + LoaderReason());
  return maker;
}
}  // namespace

ProgressFactory ModuleProgressFactory(std::string path) {
  auto maker = std::make_shared<ProgressMaker*>(nullptr);
  return [path = std::move(path), maker](WindowContext& context, StatsDatabase& stats,
                                         const LayoutRec& layout, LearnerSource learner) {
    if (!*maker) *maker = LoadMaker(path);
    return std::unique_ptr<ProgressWindow>((*maker)(context, stats, layout, std::move(learner)));
  };
}
