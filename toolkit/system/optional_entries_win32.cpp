#include "toolkit/system/optional_entries.h"

#include <map>
#include <string>

#include "toolkit/system/handles.h"
#include "toolkit/system/system_text.h"

namespace toolkit {

// A cache of the platform: each entry point is looked up once, found or not. Its library stays loaded: its code may
// be in use until the program ends (the system calls back into the accessibility object that oleacc.dll made).
// The window thread alone looks entries up.
void* Entry_Point_Address(const char* library, const char* name) {
  static std::map<std::string, Library> libraries;
  static std::map<std::string, void*> looked_up;
  if (const auto known = looked_up.find(name); known != looked_up.end()) return known->second;
  Library& loaded = libraries[library];
  if (!loaded) loaded.Reset(Load_Library(library));
  return looked_up[name] = loaded ? reinterpret_cast<void*>(GetProcAddress(loaded.Get(), name)) : nullptr;
}

}  // namespace toolkit
