#include "catalogue/pict_list.h"

#include <algorithm>

#include "catalogue/kind_finds.h"
#include "settings/settings_values.h"
#include "toolkit/portable/dir_search.h"
#include "toolkit/portable/error_styles.h"

namespace Quorvantile_B {

bool Kind_Enabled(int i) { return Kind_Flag[static_cast<std::size_t>(i)] == 1; }

bool Check_Folder(const std::wstring& path) { return !toolkit::Dir_Name(path, toolkit::Attr::Directory).empty(); }

void Make_Pict_List(const std::wstring& folder) {
  Pict_Count = 0;
  if (folder.empty()) return;
  For_Each_Walk(folder, [](const std::wstring& pattern, Kind_Finds& finds) {
    Find_Pict(pattern, Find_Attr, finds);
    return true;
  });
  if (Pict_Count > 1) Sort_Pict_List();
}

// The builder goes on with the next walk after one that an error ended.
void Find_Pict(const std::wstring& pattern, std::int16_t& attr, Kind_Finds& finds) {
  const std::wstring folder = Dir_Part(pattern) + L"\\";
  toolkit::Walk_To_First_Error([&] {
    finds.Walk(pattern, attr, [&](const std::wstring& name) {
      if (Pict_Count == Max_Pict_Count) return false;  // the count cannot grow: the walk ends as at any error
      ++Pict_Count;
      Pict_List.resize(static_cast<std::size_t>(Pict_Count) + 1);
      Pict_List[static_cast<std::size_t>(Pict_Count)] = folder + name;
      return true;
    });
  });
}

void Sort_Pict_List() {
  // Equal entries are identical strings, so any ascending sort gives the one order.
  std::sort(Pict_List.begin() + 1, Pict_List.begin() + 1 + Pict_Count);
}

std::wstring Dir_Part(const std::wstring& pattern) {
  const std::size_t last = pattern.find_last_of(L":\\");
  if (last == std::wstring::npos) return {};
  std::wstring part = pattern.substr(0, last + 1);
  if (part.back() == L'\\') part.pop_back();
  return part;
}

}  // namespace Quorvantile_B
