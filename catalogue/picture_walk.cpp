#include "catalogue/picture_walk.h"

#include "toolkit/portable/dir_search.h"

namespace Quorvantile_B {

Picture_Walk::Picture_Walk(const std::wstring& folder, const Kind_Flags& Kind_Flag, bool subfolders)
    : kinds_(Kind_Flag), subfolders_(subfolders), pending_{folder} {}

bool Picture_Walk::Next_Walk() {
  for (;;) {
    if (walks_ && walks_->Next_Walk()) return true;
    if (walks_ && subfolders_) {
      const std::vector<std::wstring> inside = Subfolders(folder_);
      pending_.insert(pending_.end(), inside.rbegin(), inside.rend());
    }
    walks_.reset();
    if (pending_.empty()) return false;
    folder_ = std::move(pending_.back());
    pending_.pop_back();
    walks_.emplace(folder_, kinds_);
  }
}

std::vector<std::wstring> Subfolders(const std::wstring& folder) {
  namespace Attr = toolkit::Attr;
  // A drive root keeps its one separator.
  const std::wstring part = folder.ends_with(L'\\') ? folder : folder + L'\\';
  toolkit::Dir_Search search(part, Attr::Directory);
  std::vector<std::wstring> inside;
  int attributes = 0;
  for (std::wstring name = search.Next(&attributes); !name.empty(); name = search.Next(&attributes))
    if ((attributes & Attr::Directory) && !(attributes & Attr::Reparse_Point) && name != L"." && name != L"..")
      inside.push_back(part + name);
  return inside;
}

}  // namespace Quorvantile_B
