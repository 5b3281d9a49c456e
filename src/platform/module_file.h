#pragma once
// Code loaded at run time from a module file beside the program.
#include <string>

// The function called name in the module at path, or null with the system's reason. Every
// symbol of the module is resolved at once, so a module that does not fit the program fails
// here rather than mid-way. A loaded module stays for the rest of the process; a failed load
// is tried again at the next call.
void* ModuleFunction(const std::string& path, const char* name, std::string& reason);
