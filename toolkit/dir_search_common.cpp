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

std::wstring Folder_Part_Of(const std::wstring& path) {
  const std::size_t last = path.find_last_of(L"\\/");
  return last == std::wstring::npos ? std::wstring() : path.substr(0, last + 1);
}

Folder_Names::Folder_Names(const std::wstring& folder_part) : folder_part_(folder_part) {
  try {
    Dir_Search search(folder_part + L"*", Attr::Normal);
    for (std::wstring name = search.Next(); !name.empty(); name = search.Next()) names_.insert(name);
  } catch (const Run_Error&) {
    // An unreadable folder: every path is searched alone.
  }
}

std::wstring Folder_Names::Dir_Name(const std::wstring& path) const {
  if (Folder_Part_Of(path) == folder_part_) {
    const auto found = names_.find(path.substr(folder_part_.size()));
    if (found != names_.end()) return *found;
  }
  return toolkit::Dir_Name(path, Attr::Normal);
}

}  // namespace toolkit
