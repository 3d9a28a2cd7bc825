#include "toolkit/list_box.h"

namespace toolkit {

void List_Box::Create(HWND parent, int left, int top, int width, int height, HFONT font) {
  Attach(CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY |
                             LBS_NOINTEGRALHEIGHT,
                         left, top, width, height, parent, nullptr, GetModuleHandleW(nullptr), nullptr));
  SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

void List_Box::Add_Item(const std::wstring& text) {
  SendMessageW(Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void List_Box::Clear() { SendMessageW(Hwnd(), LB_RESETCONTENT, 0, 0); }

int List_Box::List_Count() const { return static_cast<int>(SendMessageW(Hwnd(), LB_GETCOUNT, 0, 0)); }

int List_Box::List_Index() const { return static_cast<int>(SendMessageW(Hwnd(), LB_GETCURSEL, 0, 0)); }

void List_Box::Set_List_Index(int index) { SendMessageW(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

std::wstring List_Box::Item(int index) const {
  const auto length = SendMessageW(Hwnd(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  SendMessageW(Hwnd(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace toolkit
