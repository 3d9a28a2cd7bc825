#pragma once
// The dialog's list of a folder's pictures, from one walk a share at each step: the count climbs as they are found,
// while the list still shows what it showed; then the list shows them, each as its path below the folder, and the
// count shows the list's items.
//  - Sorted, as the picture list is: each walk ends at its first error silently, and the finds stop at 32767. With
//    nothing found, the count stays empty.
//  - As found (a folder just chosen): pass by pass, kind by kind, folder by folder; the scan stops at its first error,
//    which a message shows, and the 32768th find is one.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "catalogue/picture_walk.h"
#include "toolkit/controls/app.h"
#include "toolkit/controls/button.h"
#include "toolkit/controls/list_box.h"

namespace Quorvantile_B {

class List_Walk : public toolkit::Stepped_Work {
 public:
  enum class Order { Sorted, As_Found };
  List_Walk(HWND owner, toolkit::List_Box& list, toolkit::Static_Text& count, const std::wstring& folder,
            const Kind_Flags& Kind_Flag, bool subfolders, Order order);
  // A walk stopped before its end leaves the list drawn as it stands.
  ~List_Walk() override;
  toolkit::Next_Step Step() override;

 private:
  // The finds of one share of the walks; false when they are over.
  bool Find_Share(const toolkit::Time_Slice& slice);
  std::wstring Shown_Name(const std::wstring& path) const;

  HWND owner_;
  toolkit::List_Box& list_;
  toolkit::Static_Text& count_;
  const std::wstring folder_;
  const Order order_;
  Picture_Walk walk_;
  bool walking_ = false;
  // The finds, as full paths.
  std::vector<std::wstring> File_List;
  std::int16_t File_Count = 0;
  bool listing_ = false, listed_ = false;
  std::size_t next_ = 0;
};

}  // namespace Quorvantile_B
