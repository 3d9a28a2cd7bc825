#pragma once
// A list box of text items, in the order they are added.
#include <functional>
#include <string>
#include <vector>

#include "toolkit/controls/holder.h"
#include "toolkit/system/handles.h"

namespace toolkit {

class List_Box : public Child_Control {
 public:
  void Create(Holder& holder, int left, int top, int width, int height, HFONT font);
  HWND Control_Hwnd() const override { return hwnd_.Get(); }
  // A fill in shares: the list is emptied and not drawn from the start, holding room for the items given, until
  // the end.
  void Start_Fill(std::size_t items, std::size_t characters);
  void Add(const std::wstring& item);
  void End_Fill();
  void Clear();
  int List_Count() const;
  // The selected item's index from 0, or -1.
  int List_Index() const;
  std::wstring Item(int index) const;

  // Runs when the user selects an item.
  std::function<void()> On_Click;
  void Reflected_Command(int code) override {
    if (code == LBN_SELCHANGE && On_Click) On_Click();
  }
  void Holder_Destroyed() override { hwnd_.Release(); }

 private:
  Child_Window hwnd_;
};

}  // namespace toolkit
