#include "toolkit/system/optional_entries.h"

#include <map>
#include <string>

#include "toolkit/system/handles.h"
#include "toolkit/system/system_text.h"

namespace toolkit {

void* Optional_Entry_Address(std::string_view name) {
  // Each entry is looked up once, found or not. Its library stays loaded: its code may be in use until the
  // program ends (the system calls back into the accessibility object that oleacc.dll made).
  static std::map<std::string, Library> libraries;
  static std::map<std::string_view, void*> looked_up;
  if (const auto known = looked_up.find(name); known != looked_up.end()) return known->second;
  for (const Optional_Entry& entry : Optional_Entries) {
    if (name != entry.Name) continue;
    Library& library = libraries[entry.Library];
    if (!library) library.Reset(Load_Library(entry.Library));
    return looked_up[entry.Name] =
               library ? reinterpret_cast<void*>(GetProcAddress(library.Get(), entry.Name)) : nullptr;
  }
  return nullptr;
}

}  // namespace toolkit
