#include "toolkit/dir_search.h"

#include "toolkit/run_error.h"

namespace toolkit {

std::wstring Dir_Name(const std::wstring& path, int mask) {
  try {
    Dir_Search search(path, mask);
    return search.Next();
  } catch (const Run_Error& e) {
    // A search that finds nothing is an empty answer, not an error.
    if (e.Kind == Error_Kind::File) return {};
    throw;
  }
}

}  // namespace toolkit
