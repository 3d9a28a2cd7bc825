#include "toolkit/portable/dir_search.h"

namespace toolkit {

std::wstring Dir_Name(const std::wstring& path, int mask) { return Dir_Search(path, mask).Next(); }

std::wstring Folder_Part_Of(const std::wstring& path) {
  const std::size_t last = path.find_last_of(L"\\/");
  return last == std::wstring::npos ? std::wstring() : path.substr(0, last + 1);
}

// An unreadable folder lists nothing, and every path is then searched alone.
Folder_Names::Folder_Names(const std::wstring& folder_part) : folder_part_(folder_part) {
  Dir_Search search(folder_part + L"*", Attr::Normal);
  for (std::wstring name = search.Next(); !name.empty(); name = search.Next()) names_.insert(name);
}

std::wstring Folder_Names::Dir_Name(const std::wstring& path) const {
  if (Folder_Part_Of(path) == folder_part_) {
    const auto found = names_.find(path.substr(folder_part_.size()));
    if (found != names_.end()) return *found;
  }
  return toolkit::Dir_Name(path, Attr::Normal);
}

}  // namespace toolkit
