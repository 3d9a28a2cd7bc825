#pragma once
// The dialog's scan of a chosen folder: its pictures of the enabled kinds, walked pass by pass and kind by kind as
// the picture list's are, a share at each step, the count climbing as they are found; at its end, or at its first
// error, which a message shows, the list shows what it found, in the order found.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/kind_finds.h"
#include "dialog/list_fill.h"

namespace Quorvantile_B {

class Folder_Scan : public toolkit::Stepped_Work {
 public:
  Folder_Scan(HWND owner, toolkit::List_Box& list, toolkit::Label& count, const std::wstring& folder,
              const Kind_Flags& Kind_Flag);
  toolkit::Next_Step Step() override;

 private:
  // The finds of one share of the walks; false when the walks are over.
  bool Find_Share(const toolkit::Time_Slice& slice);

  HWND owner_;
  toolkit::List_Box& list_;
  toolkit::Label& count_;
  Folder_Walks walks_;
  bool walking_ = false;
  // The scan's finds, in the order found.
  std::vector<std::wstring> File_List;
  std::int16_t File_Count = 0;
  std::optional<List_Fill> fill_;
};

}  // namespace Quorvantile_B
