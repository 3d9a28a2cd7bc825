#include "dialog/list_fill.h"

namespace Quorvantile_B {

List_Fill::List_Fill(toolkit::List_Box& list, toolkit::Label& count, std::vector<std::wstring> paths)
    : list_(list), count_(count), paths_(std::move(paths)) {}

List_Fill::~List_Fill() {
  if (started_ && !ended_) list_.End_Fill();
}

toolkit::Next_Step List_Fill::Step() {
  const toolkit::Time_Slice slice;
  if (!started_) {
    std::size_t characters = 0;
    for (const auto& path : paths_) characters += path.size();
    list_.Start_Fill(paths_.size(), characters);
    started_ = true;
    if (!paths_.empty()) folder_ = std::make_unique<toolkit::Folder_Names>(toolkit::Folder_Part_Of(paths_.front()));
    return toolkit::Next_Step::Now();
  }
  for (; next_ < paths_.size() && !slice.Spent(); ++next_) list_.Add(folder_->Dir_Name(paths_[next_]));
  if (next_ < paths_.size()) return toolkit::Next_Step::Now();
  list_.End_Fill();
  ended_ = true;
  count_.Set_Caption(std::to_wstring(list_.List_Count()));
  return toolkit::Next_Step::Done();
}

}  // namespace Quorvantile_B
