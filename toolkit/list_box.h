#pragma once
// A list box of text items, in the order they are added.
#include <functional>
#include <string>

#include "toolkit/window_control.h"

namespace toolkit {

class List_Box : public Window_Control {
 public:
  void Create(HWND parent, int left, int top, int width, int height, HFONT font);
  void Add_Item(const std::wstring& text);
  void Clear();
  int List_Count() const;
  // The selected item's index from 0, or -1.
  int List_Index() const;
  void Set_List_Index(int index);
  std::wstring Item(int index) const;

  // Runs when the user selects an item.
  std::function<void()> On_Click;
  void Reflected_Command(int code) override {
    if (code == LBN_SELCHANGE && On_Click) On_Click();
  }
};

}  // namespace toolkit
