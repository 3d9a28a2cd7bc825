#include "toolkit/controls/list_box.h"

#include "toolkit/system/system_text.h"

namespace toolkit {

void List_Box::Create(Holder& holder, int left, int top, int width, int height, HFONT font) {
  hwnd_.Reset(
      Create_Window(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                    left, top, width, height, holder.Hwnd(), nullptr));
  Send_Message(hwnd_.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  holder.Add_Child(*this);
}

void List_Box::Start_Fill(std::size_t items, std::size_t characters) {
  Send_Message(hwnd_.Get(), WM_SETREDRAW, FALSE, 0);
  Send_Message(hwnd_.Get(), LB_RESETCONTENT, 0, 0);
  Send_Message(hwnd_.Get(), LB_INITSTORAGE, items, static_cast<LPARAM>((characters + items) * sizeof(wchar_t)));
}

void List_Box::Add(const std::wstring& item) { List_Add(hwnd_.Get(), item); }

void List_Box::End_Fill() {
  Send_Message(hwnd_.Get(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd_.Get(), nullptr, TRUE);
}

void List_Box::Clear() { Send_Message(hwnd_.Get(), LB_RESETCONTENT, 0, 0); }

int List_Box::List_Count() const { return static_cast<int>(Send_Message(hwnd_.Get(), LB_GETCOUNT, 0, 0)); }

int List_Box::List_Index() const { return static_cast<int>(Send_Message(hwnd_.Get(), LB_GETCURSEL, 0, 0)); }

std::wstring List_Box::Item(int index) const { return List_Text(hwnd_.Get(), index); }

}  // namespace toolkit
