#pragma once
// A system library loaded at run time, so that the program still starts where the library or one of its
// entry points is missing.
#include <windows.h>

#include "toolkit/system_text.h"

namespace toolkit {

class Library {
 public:
  explicit Library(const char* name) : module_(Load_Library(name)) {}
  ~Library() {
    if (module_) FreeLibrary(module_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  explicit operator bool() const { return module_ != nullptr; }

  // The entry point as a function pointer of type Fn, or null.
  template <class Fn>
  Fn Entry(const char* name) const {
    if (!module_) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }

 private:
  HMODULE module_;
};

}  // namespace toolkit
