#include "catalogue/pict_list.h"

#include <algorithm>

#include "catalogue/picture_walk.h"
#include "toolkit/portable/dir_search.h"
#include "toolkit/portable/error_styles.h"

namespace Quorvantile_B {

bool Check_Folder(const std::wstring& path) { return !toolkit::Dir_Name(path, toolkit::Attr::Directory).empty(); }

// Each walk ends at its first error and keeps what it found; the builder goes on with the next walk. Where the count
// cannot grow the building ends, as at an error of every walk left.
Catalogue Make_Pict_List(const std::wstring& folder, const Kind_Flags& Kind_Flag, bool subfolders) {
  Catalogue pictures;
  if (folder.empty()) return pictures;
  Picture_Walk walks(folder, Kind_Flag, subfolders);
  while (pictures.Pict_Count < Max_Pict_Count && walks.Next_Walk()) {
    const std::wstring folder_part = Dir_Part(walks.Pattern()) + L"\\";
    toolkit::Walk_To_First_Error([&] {
      while (pictures.Pict_Count < Max_Pict_Count) {
        const std::optional<std::wstring> name = walks.Next_Find();
        if (!name) break;
        pictures.Pict_List.push_back(folder_part + *name);
        ++pictures.Pict_Count;
      }
    });
  }
  if (pictures.Pict_Count > 1) Sort_Pict_List(pictures);
  return pictures;
}

void Sort_Pict_List(Catalogue& pictures) {
  // Equal entries are identical strings, so any ascending sort gives the one order.
  std::sort(pictures.Pict_List.begin() + 1, pictures.Pict_List.begin() + 1 + pictures.Pict_Count);
}

std::wstring Dir_Part(const std::wstring& pattern) {
  const std::size_t last = pattern.find_last_of(L":\\");
  if (last == std::wstring::npos) return {};
  std::wstring part = pattern.substr(0, last + 1);
  if (part.back() == L'\\') part.pop_back();
  return part;
}

}  // namespace Quorvantile_B
