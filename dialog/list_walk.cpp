#include "dialog/list_walk.h"

#include <algorithm>

#include "toolkit/portable/error_styles.h"
#include "toolkit/portable/numbers.h"
#include "toolkit/system/error_text.h"

namespace Quorvantile_B {

List_Walk::List_Walk(HWND owner, toolkit::List_Box& list, toolkit::Static_Text& count, const std::wstring& folder,
                     const Kind_Flags& Kind_Flag, bool subfolders, Order order)
    : owner_(owner),
      list_(list),
      count_(count),
      folder_(folder),
      order_(order),
      walk_(folder, Kind_Flag, subfolders) {}

List_Walk::~List_Walk() {
  if (listing_ && !listed_) list_.End_Fill();
}

toolkit::Next_Step List_Walk::Step() {
  const toolkit::Time_Slice slice;
  if (!listing_) {
    const std::int16_t before = File_Count;
    const bool more = Find_Share(slice);
    // The label is drawn once the step is over.
    if (File_Count != before) count_.Set_Caption(std::to_wstring(File_Count));
    if (more) return toolkit::Next_Step::Now();
    // Equal entries are identical strings, so any ascending sort gives the one order.
    if (order_ == Order::Sorted) std::sort(File_List.begin(), File_List.end());
    std::size_t characters = 0;
    for (const auto& path : File_List) characters += path.size() - folder_.size();
    list_.Start_Fill(File_List.size(), characters);
    listing_ = true;
    return toolkit::Next_Step::Now();
  }
  for (; next_ < File_List.size() && !slice.Spent(); ++next_) list_.Add(Shown_Name(File_List[next_]));
  if (next_ < File_List.size()) return toolkit::Next_Step::Now();
  list_.End_Fill();
  listed_ = true;
  if (order_ == Order::As_Found || !File_List.empty()) count_.Set_Caption(std::to_wstring(list_.List_Count()));
  return toolkit::Next_Step::Done();
}

bool List_Walk::Find_Share(const toolkit::Time_Slice& slice) {
  bool more = true;
  const auto finds = [&] {
    while (!slice.Spent()) {
      if (!walking_ && !(walking_ = walk_.Next_Walk())) {
        more = false;
        return;
      }
      if (order_ == Order::Sorted && File_Count == Max_Pict_Count) {
        more = false;
        return;
      }
      const std::optional<std::wstring> name = walk_.Next_Find();
      if (!name) {
        walking_ = false;
        continue;
      }
      File_Count = toolkit::Add16(File_Count, 1);
      File_List.push_back(Dir_Part(walk_.Pattern()) + L"\\" + *name);
    }
  };
  if (order_ == Order::Sorted) {
    if (!toolkit::Walk_To_First_Error(finds)) walking_ = false;  // the next walk goes on
  } else if (!toolkit::Walk_Showing_Error(owner_, finds)) {
    more = false;  // one message at most
  }
  return more;
}

// The path below the folder, as the walk found it.
std::wstring List_Walk::Shown_Name(const std::wstring& path) const {
  std::size_t below = std::min(folder_.size(), path.size());
  while (below < path.size() && path[below] == L'\\') ++below;
  return path.substr(below);
}

}  // namespace Quorvantile_B
