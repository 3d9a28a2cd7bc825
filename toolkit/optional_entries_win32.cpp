#include "toolkit/optional_entries.h"

#include <map>
#include <string>

#include "toolkit/handles.h"
#include "toolkit/system_text.h"

namespace toolkit {

void* Optional_Entry_Address(std::string_view name) {
  // Loaded once each: a library's code may be in use until the program ends (the system calls back into
  // the accessibility object that oleacc.dll made).
  static std::map<std::string, Library> libraries;
  for (const Optional_Entry& entry : Optional_Entries) {
    if (name != entry.Name) continue;
    Library& library = libraries[entry.Library];
    if (!library) library.Reset(Load_Library(entry.Library));
    return library ? reinterpret_cast<void*>(GetProcAddress(library.Get(), entry.Name)) : nullptr;
  }
  return nullptr;
}

}  // namespace toolkit
