#pragma once
// The dialog's list filled with the bare names of paths, in their order, a share at each step; then the count shows
// the list's items. A file gone since shows as an empty line.
#include <memory>
#include <string>
#include <vector>

#include "toolkit/controls/app.h"
#include "toolkit/controls/label.h"
#include "toolkit/controls/list_box.h"
#include "toolkit/portable/dir_search.h"

namespace Quorvantile_B {

class List_Fill : public toolkit::Stepped_Work {
 public:
  List_Fill(toolkit::List_Box& list, toolkit::Label& count, std::vector<std::wstring> paths);
  // A fill stopped before its end leaves the list drawn as it stands.
  ~List_Fill() override;
  toolkit::Next_Step Step() override;

 private:
  toolkit::List_Box& list_;
  toolkit::Label& count_;
  std::vector<std::wstring> paths_;
  std::size_t next_ = 0;
  bool started_ = false, ended_ = false;
  // The folder is read once, not once a name.
  std::unique_ptr<toolkit::Folder_Names> folder_;
};

}  // namespace Quorvantile_B
