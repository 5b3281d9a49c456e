#include "platform/module_file.h"

#include <dlfcn.h>

namespace {
std::string LoaderReason() {
  const char* reason = dlerror();
  return reason ? reason : "unknown reason";
}
}  // namespace

void* ModuleFunction(const std::string& path, const char* name, std::string& reason) {
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) {
    reason = LoaderReason();
    return nullptr;
  }
  void* function = dlsym(module, name);
  if (!function) reason = LoaderReason();
  return function;
}
