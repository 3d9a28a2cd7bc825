#include "dialog/folder_scan.h"

#include "toolkit/portable/numbers.h"
#include "toolkit/system/error_text.h"

namespace Quorvantile_B {

Folder_Scan::Folder_Scan(HWND owner, toolkit::List_Box& list, toolkit::Label& count, const std::wstring& folder,
                         const Kind_Flags& Kind_Flag)
    : owner_(owner), list_(list), count_(count), walks_(folder, Kind_Flag) {}

toolkit::Next_Step Folder_Scan::Step() {
  if (fill_) return fill_->Step();
  if (Find_Share(toolkit::Time_Slice())) return toolkit::Next_Step::Now();
  fill_.emplace(list_, count_, std::move(File_List));
  return toolkit::Next_Step::Now();
}

// One message at most: the scan stops at its first error and lists what it found.
bool Folder_Scan::Find_Share(const toolkit::Time_Slice& slice) {
  bool more = true;
  const bool went_on = toolkit::Walk_Showing_Error(owner_, [&] {
    while (!slice.Spent()) {
      if (!walking_ && !(walking_ = walks_.Next_Walk())) {
        more = false;
        return;
      }
      const std::optional<std::wstring> name = walks_.Next_Find();
      if (!name) {
        walking_ = false;
        continue;
      }
      File_Count = toolkit::Add16(File_Count, 1);
      File_List.push_back(Dir_Part(walks_.Pattern()) + L"\\" + *name);
      // The count climbs as the files are found; the label is drawn once the step is over.
      count_.Set_Caption(std::to_wstring(File_Count));
    }
  });
  return went_on && more;
}

}  // namespace Quorvantile_B
