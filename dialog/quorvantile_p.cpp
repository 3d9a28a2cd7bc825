#include "dialog/quorvantile_p.h"

#include <algorithm>

#include "catalogue/pict_list.h"
#include "dialog/drawing.h"
#include "dialog/list_walk.h"
#include "resources/resource_ids.h"
#include "settings/settings_file.h"
#include "toolkit/portable/error_styles.h"
#include "toolkit/portable/numbers.h"
#include "toolkit/system/pointer.h"
#include "toolkit/system/process.h"
#include "toolkit/system/screen.h"
#include "toolkit/system/system_text.h"

namespace Quorvantile_B {

using toolkit::Resume_Next;

namespace {

constexpr bool Zero_Or_One(int value) { return value == 0 || value == 1; }

// "ＭＳ Ｐゴシック" at 9.75 points, Shift-JIS character set, normal weight, at the dialog's dpi.
HFONT Dialog_Font(bool underline, int dpi) {
  return toolkit::Create_Font(-MulDiv(975, dpi, 7200), underline, SHIFTJIS_CHARSET, L"ＭＳ Ｐゴシック");
}

// The artwork drawn at the layout's size, or at twice it for a dialog scaled by 1.5 or more: each dpi
// scales from the nearer of the two.
std::shared_ptr<toolkit::Picture> Artwork(int id, int dpi) {
  return toolkit::Picture::From_Resource(dpi >= 144 ? id + Res_Twice : id);
}

toolkit::Child_Control* Control_Child(const std::variant<std::monostate, toolkit::Picture_Box*, toolkit::Button*,
                                                    toolkit::Static_Text*, toolkit::List_Box*>& control) {
  if (auto* const* b = std::get_if<toolkit::Button*>(&control)) return *b;
  if (auto* const* t = std::get_if<toolkit::Static_Text*>(&control)) return *t;
  if (auto* const* l = std::get_if<toolkit::List_Box*>(&control)) return *l;
  return nullptr;
}

}  // namespace

Quorvantile_P::Quorvantile_P(toolkit::App& app, Settings settings)
    : Form(app, Dialog_Caption, toolkit::Border_Style::Fixed_Single),
      preview_(app, layout_,
               [this](int w, int h) {
                 lbl_PreSize.Set_Caption(std::to_wstring(w) + L" * " + std::to_wstring(h));
                 Set_Screen_Pointer(toolkit::Screen_Pointer::Default);
               }),
      settings_(std::move(settings)) {}

std::vector<Quorvantile_P::Row> Quorvantile_P::Control_Table() {
  toolkit::Picture_Box* const panel = &Pic_1;
  toolkit::Picture_Box* const foot = &Pic_C;
  const std::monostate drawn;
  Settings& s = settings_;
  return {
      {&Pic_C, nullptr, 0, 0, 453, 405, nullptr, Look::Texture},
      {&Pic_1, foot, 12, 12, 425, 317, nullptr, Look::Texture},
      // The file list.
      {drawn, panel, 12, 8, 95, 22, nullptr, Look::Plate},
      {drawn, panel, 12, 12, 95, 17, L"ﾌｧｲﾙ名", Look::Centred},
      {&Cmd_Button[0], panel, 12, 40, 97, 21, L"ﾌｫﾙﾀﾞ指定...", Look::Face},
      {&lbl_Kei, panel, 112, 44, 33, 17, L"", Look::Count},
      {drawn, panel, 148, 48, 17, 13, L"枚", Look::Plain},
      {&List_1, panel, 12, 68, List_W, 212, nullptr, Look::Plain},
      {&Folder_Path, panel, 12, 284, 297, 21, L"", Look::Framed},
      // The preview, then the kinds: the first four one under another, the fifth beside the first.
      {drawn, panel, 192, 8, 95, 22, nullptr, Look::Plate},
      {drawn, panel, 192, 12, 95, 17, L"ﾌﾟﾚﾋﾞｭｰ", Look::Centred},
      {&lbl_PreSize, panel, 192, 36, 101, 13, L"9999 * 9999", Look::Centred},
      {&preview_.Pic_K(), panel, 192, 52, 100, 100, nullptr, Look::Pane},
      {drawn, panel, 192, 160, 95, 22, nullptr, Look::Plate},
      {drawn, panel, 192, 164, 95, 17, L"画像の種類", Look::Centred},
      {&Img_Kind[0], panel, 208, 188, 16 + 32, 13, L"*.bmp", Look::Check, &s.Kind_Flag[0]},
      {&Img_Kind[1], panel, 208, 204, 16 + 23, 13, L"*.gif", Look::Check, &s.Kind_Flag[1]},
      {&Img_Kind[2], panel, 208, 220, 16 + 25, 13, L"*.jpg", Look::Check, &s.Kind_Flag[2]},
      {&Img_Kind[3], panel, 208, 236, 16 + 32, 13, L"*.wmf", Look::Check, &s.Kind_Flag[3]},
      {&Img_Kind[4], panel, 264, 188, 16 + 28, 13, L"*.png", Look::Check, &s.Kind_Flag[4]},
      {&Cmd_Button[1], panel, 192, 256, 97, 21, L"ｸﾘｱ", Look::Face},
      // The change order and the size.
      {drawn, panel, 312, 8, 95, 22, nullptr, Look::Plate},
      {drawn, panel, 312, 12, 97, 17, L"画像ﾁｪﾝｼﾞ", Look::Centred},
      {&Img_SR[0], panel, 332, 40, 16 + 55, 13, L"ｼｰｹﾝｼｬﾙ", Look::Radio, &s.Change_Mode, 0},
      {&Img_SR[1], panel, 332, 56, 16 + 32, 13, L"ﾗﾝﾀﾞﾑ", Look::Radio, &s.Change_Mode, 1},
      {drawn, panel, 312, 84, 95, 22, nullptr, Look::Plate},
      {drawn, panel, 312, 88, 97, 17, L"画像のｻｲｽﾞ", Look::Centred},
      {&Img_Size[0], panel, 332, 116, 16 + 42, 13, L"ｵﾘｼﾞﾅﾙ", Look::Radio, &s.Size_Mode, 0},
      {&Img_Size[1], panel, 332, 132, 16 + 52, 13, L"ﾌﾙｽｸﾘｰﾝ", Look::Radio, &s.Size_Mode, 1},
      // The panel's last row: beside the folder's path, whether the folders below it count too.
      {&Img_Sub_Folders, panel, 316, 288, 16 + 62, 13, L"ｻﾌﾞﾌｫﾙﾀﾞも", Look::Check, &s.Sub_Folders},
      // The foot of the dialog.
      {drawn, foot, 12, 340, 168, 13, L"Designed by k-Vorn Ver.1.0.0", Look::Plain},
      {&lbl_URL, foot, 12, 372, 352, 13, Maker_Page.c_str(), Look::Link},
      {&Cmd_Button[2], foot, 236, 340, 101, 21, L"設定", Look::Face},
      {&Cmd_Button[3], foot, 340, 340, 97, 21, L"ｷｬﾝｾﾙ", Look::Face},
  };
}

// The controls in the table's order. A group of options begins where the row before is not one of the same kind;
// every other control begins one of its own. The hand shows over every control that reacts to the mouse.
void Quorvantile_P::Create_Controls() {
  for (std::size_t i = 0; i < table_.size(); ++i) {
    const Row& row = table_[i];
    const bool option = row.Looks == Look::Check || row.Looks == Look::Radio;
    if (auto* const* box = std::get_if<toolkit::Picture_Box*>(&row.What)) {
      (*box)->Create(row.On ? row.On->Hwnd() : Hwnd(), 0, 0, 0, 0, true,
                     row.Looks == Look::Pane ? RGB(0xE0, 0xE0, 0xE0) : RGB(206, 206, 210));
    } else if (auto* const* button = std::get_if<toolkit::Button*>(&row.What)) {
      using Kind = toolkit::Button::Kind;
      const Kind kind = row.Looks == Look::Face ? Kind::Push : row.Looks == Look::Check ? Kind::Check : Kind::Radio;
      (*button)->Create(*row.On, kind, row.Caption, !option || table_[i - 1].Looks != row.Looks);
      (*button)->Paint = [this, &row, hwnd = (*button)->Control_Hwnd()](HDC dc, const RECT& r,
                                                                        const toolkit::Button::Look& look) {
        Paint_Control(row, hwnd, dc, r, row.Caption, look);
      };
    } else if (auto* const* text = std::get_if<toolkit::Static_Text*>(&row.What)) {
      (*text)->Create(*row.On);
      (*text)->Set_Caption(row.Caption);
      (*text)->Paint = [this, &row, hwnd = (*text)->Control_Hwnd()](HDC dc, const RECT& r, const std::wstring& caption) {
        Paint_Control(row, hwnd, dc, r, caption, {false, false});
      };
    } else if (auto* const* list = std::get_if<toolkit::List_Box*>(&row.What)) {
      (*list)->Create(*row.On, 0, 0, 0, 0, nullptr);
    }
    if (toolkit::Child_Control* child = Control_Child(row.What))
      child->Hand_Pointer = row.Looks == Look::Link || row.Looks == Look::Face || option || child == &List_1;
  }
  for (int i = 0; i < 4; ++i) Cmd_Button[i].On_Click = [this, i] { Cmd_Button_Click(i); };
  for (int i = 0; i < Kind_Count; ++i) Img_Kind[i].On_Click = [this, i] { Img_Kind_MouseDown(i); };
  for (int i = 0; i < 2; ++i) {
    Img_SR[i].On_Click = [this, i] { Img_SR_MouseDown(i); };
    Img_Size[i].On_Click = [this, i] { Img_Size_MouseDown(i); };
  }
  Img_Sub_Folders.On_Click = [this] { Img_Sub_Folders_MouseDown(); };
  List_1.On_Click = [this] { List_1_Click(); };
  lbl_URL.Mouse_Up = [this](int) { lbl_URL_MouseUp(); };
}

// A caption may run past its place where the font is wider than the layout expects, and a window cuts off what it
// draws: an option's and the link's take in their whole caption.
RECT Quorvantile_P::Place_Of(const Row& row) const {
  RECT r = layout_(row.X, row.Y, row.W, row.H);
  const bool option = row.Looks == Look::Check || row.Looks == Look::Radio;
  if (!option && row.Looks != Look::Link) return r;
  const SIZE text = Caption_Extent(row.Caption, Caption_Of(row.Looks).Font);
  r.right = std::max(r.right, r.left + (option ? layout_(16) : 0) + text.cx + 1);
  r.bottom = std::max(r.bottom, r.top + text.cy);
  return r;
}

// Every control at its place for the layout's dpi, once the fonts are made.
void Quorvantile_P::Place_Controls() {
  for (const Row& row : table_) {
    const RECT r = Place_Of(row);
    if (auto* const* box = std::get_if<toolkit::Picture_Box*>(&row.What)) {
      (*box)->Move(r.left, r.top);
      (*box)->Resize(r.right - r.left, r.bottom - r.top);
    } else if (const toolkit::Child_Control* child = Control_Child(row.What)) {
      SetWindowPos(child->Control_Hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
}

Caption_Look Quorvantile_P::Caption_Of(Look look) const {
  Caption_Look caption;
  caption.Font = font_.Get();
  using Align = Caption_Look::Align;
  if (look == Look::Centred) caption.Alignment = Align::Center;
  if (look == Look::Count) caption = {font_.Get(), Align::Right, true, true};
  if (look == Look::Framed) caption.Border = true;
  if (look == Look::Link) caption = {link_font_.Get(), Align::Left, false, false, RGB(0, 0, 255)};
  return caption;
}

// A push button covers itself with its face; the other controls are drawn over their part of the holder's surface.
// An option shows the picture of its setting's value, and none for a value other than 0 or 1.
void Quorvantile_P::Paint_Control(const Row& row, HWND control, HDC dc, const RECT& r, const std::wstring& caption,
                                  const toolkit::Button::Look& look) {
  if (row.Looks == Look::Face) return Draw_Face(dc, r, Pic_Button, caption, font_.Get(), look);
  row.On->Paint_Behind(dc, control);
  if (row.Looks != Look::Check && row.Looks != Look::Radio) return Draw_Caption(dc, r, caption, Caption_Of(row.Looks));
  const int value = *row.Shows;
  const toolkit::Surface* picture = !Zero_Or_One(value)        ? nullptr
                                    : row.Looks == Look::Check ? &Img_Ra[static_cast<std::size_t>(value)]
                                                               : &Img_Opt[value == row.Index ? 1 : 0];
  Draw_Option(dc, r, picture, layout_(16), caption, font_.Get(), look.Focused);
}

// The fonts and the stored artwork for the layout's dpi.
void Quorvantile_P::Make_Fonts_And_Artwork() {
  const int dpi = layout_.Dpi();
  font_.Reset(Dialog_Font(false, dpi));
  link_font_.Reset(Dialog_Font(true, dpi));
  toolkit::Send_Message(List_1.Control_Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
  const auto store = [&](toolkit::Surface& surface, int id, int w, int h) {
    Resume_Next([&] {
      const auto picture = Artwork(id, dpi);
      surface.Resize(layout_(w), layout_(h));
      picture->Render(surface.Hdc(), 0, 0, surface.Width(), surface.Height());
    });
  };
  store(Pic_Mbl, Res_Texture, 563, 21);
  store(Pic_Button, Res_Button_Face, 103, 37);
  store(Img_TT, Res_Heading_Plate, 95, 22);
  store(Img_Opt[0], Res_Radio_Empty, 13, 13);
  store(Img_Opt[1], Res_Radio_Dot, 13, 13);
  store(Img_Ra[0], Res_Check_Empty, 12, 12);
  store(Img_Ra[1], Res_Check_Filled, 12, 12);
}

// The texture, then the heading plates and the captions drawn into it; the controls over it are drawn again.
void Quorvantile_P::Show_Artwork() {
  Paint_Back(Pic_Mbl, Pic_C);
  Paint_Back(Pic_Mbl, Pic_1);
  for (const Row& row : table_) {
    if (!std::holds_alternative<std::monostate>(row.What)) continue;
    const RECT r = layout_(row.X, row.Y, row.W, row.H);
    if (row.Looks == Look::Plate)
      BitBlt(row.On->Hdc(), r.left, r.top, Img_TT.Width(), Img_TT.Height(), Img_TT.Hdc(), 0, 0, SRCCOPY);
    else
      Draw_Caption(row.On->Hdc(), r, row.Caption, Caption_Of(row.Looks));
  }
  Pic_C.Refresh();
  Pic_1.Refresh();
}

// Each option's state as its setting stands, for the screen reader; its picture follows. A radio button that the
// system checks becomes its group's stop of Tab; where neither is chosen, the first is.
void Quorvantile_P::Show_Options() {
  for (const Row& row : table_) {
    auto* const* button = std::get_if<toolkit::Button*>(&row.What);
    if (!button || !row.Shows) continue;
    const bool radio = row.Looks == Look::Radio;
    const bool checked = radio ? *row.Shows == row.Index : *row.Shows == 1;
    (*button)->Set_Checked(checked);
    if (radio && !Zero_Or_One(*row.Shows) && row.Index == 0) (*button)->Set_Tab_Stop(true);
  }
}

// The list's sideways extent: the layout's (its width over 15 twips per pixel, plus 300: 311), scaled.
void Quorvantile_P::Set_List_Extent() {
  List_Extent = layout_(static_cast<int>(List_W / 15 + 300));
  toolkit::Send_Message(List_1.Control_Hwnd(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(List_Extent), 0);
}

void Quorvantile_P::Form_Load() {
  Set_Icon(Res_Icon);
  Set_Hand_Pointer(Res_Hand_Cursor);
  layout_.Set_Dpi(toolkit::Window_Dpi(Hwnd()));
  Create_Controls();
  Make_Fonts_And_Artwork();
  Place_Controls();
  const double tx = toolkit::Twips_Per_Pixel_X(), ty = toolkit::Twips_Per_Pixel_Y();
  // 1, 2: the outer size that gives a client area of exactly Pic_C, centred on the screen; a dialog larger
  // than the screen keeps its caption on it. The move needs the place worked out before it.
  Resume_Next([&] {
    const double width = Outer_Width_Twips(Pic_C.Width()), height = Outer_Height_Twips(Pic_C.Height());
    const toolkit::Screen_Area screen = toolkit::Primary_Screen();
    const double left = toolkit::Half_Of(screen.W * tx - width), top = toolkit::Half_Of(screen.H * ty - height);
    Move_Twips(left > 0 ? left : 0, top > 0 ? top : 0, width, height);
  });
  // 3: long file names can be scrolled sideways.
  Set_List_Extent();
  // 4 to 8: the texture, the heading plates, the button faces and the options.
  Show_Artwork();
  Show_Options();
  // 9 to 12: the folder, stored in its short form shown in its long one, and its pictures, listed as they are found.
  lbl_PreSize.Set_Caption(L"");
  const std::wstring& folder = settings_.Pict_Folder;
  folder_ = folder.find(L'~') == std::wstring::npos ? folder : toolkit::Long_Path(folder);
  Folder_Path.Set_Caption(folder_);
  if (!folder_.empty()) Walk_Folder(false);
  // 13: the preview pane's raised edge.
  Draw_Edge(preview_.Pic_K(), EDGE_RAISED);
  // 15, 16: the window zooms open out of the pointer's position.
  POINT p{};
  if (GetCursorPos(&p)) {
    Cursor_X = static_cast<std::int16_t>(p.x);
    Cursor_Y = static_cast<std::int16_t>(p.y);
  } else {
    Cursor_X = Cursor_Y = 0;
  }
  Zoom_Open(Hwnd(), Cursor_X, Cursor_Y);
  Set_Screen_Pointer(toolkit::Screen_Pointer::Default);
}

// Moved to a monitor of another dpi: everything is laid out, lettered and drawn again at the new scale.
void Quorvantile_P::Form_Dpi_Changed(int dpi, const RECT& suggested) {
  layout_.Set_Dpi(dpi);
  Make_Fonts_And_Artwork();
  Place_Controls();
  Set_List_Extent();
  Show_Artwork();
  Resume_Next([&] { preview_.Redraw(); });
  const double width = Outer_Width_Twips(Pic_C.Width()), height = Outer_Height_Twips(Pic_C.Height());
  Move_Twips(suggested.left * toolkit::Twips_Per_Pixel_X(), suggested.top * toolkit::Twips_Per_Pixel_Y(), width,
             height);
}

void Quorvantile_P::Form_Unload() {
  Zoom_Close(Hwnd(), Cursor_X, Cursor_Y);
  // The configuration mode ends with the dialog. Ending here also abandons a walk under way.
  toolkit::End_Program();
}

void Quorvantile_P::Start_List_Work(std::unique_ptr<toolkit::Stepped_Work> work) {
  list_work_ = std::move(work);
  if (list_work_) Program().Start(*list_work_);
}

// Sorted as the picture list is, or, for a folder just chosen, in the order found.
void Quorvantile_P::Walk_Folder(bool as_found) {
  Start_List_Work(std::make_unique<List_Walk>(Hwnd(), List_1, lbl_Kei, folder_, settings_.Kind_Flag,
                                              settings_.Sub_Folders == 1,
                                              as_found ? List_Walk::Order::As_Found : List_Walk::Order::Sorted));
}

void Quorvantile_P::Img_Kind_MouseDown(int Index) {
  std::int16_t& flag = settings_.Kind_Flag[static_cast<std::size_t>(Index)];
  flag = static_cast<std::int16_t>(flag ^ 1);
  Show_Options();
  Program().Start(rebuild_);
}

void Quorvantile_P::Img_Sub_Folders_MouseDown() {
  settings_.Sub_Folders = static_cast<std::int16_t>(settings_.Sub_Folders ^ 1);
  Show_Options();
  Program().Start(rebuild_);
}

// The folder the dialog shows; without one, or with one gone, the list keeps what it shows.
void Quorvantile_P::Rebuild_List() {
  settings_.Pict_Folder = folder_;
  if (folder_.empty() || !Check_Folder(folder_)) return;
  lbl_Kei.Set_Caption(L"");
  Walk_Folder(false);
}

void Quorvantile_P::Img_SR_MouseDown(int Index) {
  settings_.Change_Mode = static_cast<std::int16_t>(Index);
  Show_Options();
}

void Quorvantile_P::Img_Size_MouseDown(int Index) {
  settings_.Size_Mode = static_cast<std::int16_t>(Index);
  Show_Options();
}

void Quorvantile_P::Cmd_Button_Click(int Index) {
  switch (Index) {
    case 0:
      Choose_Folder();
      break;
    case 1:
      Start_List_Work(nullptr);
      List_1.Clear();
      folder_.clear();
      Folder_Path.Set_Caption(L"");
      lbl_Kei.Set_Caption(L"");
      break;
    case 2: {
      Settings saved = settings_;
      saved.Pict_Folder = folder_;
      Save_Settings(saved);
      Unload();
      break;
    }
    case 3:
      Unload();
      break;
    default:
      break;
  }
}

void Quorvantile_P::Choose_Folder() {
  const std::wstring path =
      toolkit::Browse_For_Folder(Hwnd(), L"ﾌｫﾙﾀﾞをｸﾘｯｸして選択状態にしてから ＯＫ を押してください");
  // A cancelled chooser, or an item that is no folder on disk, changes nothing.
  if (path.empty()) return;
  folder_ = path;
  Folder_Path.Set_Caption(path);
  Walk_Folder(true);
}

// The file is read on the worker, and the list answers meanwhile.
void Quorvantile_P::List_1_Click() {
  const int selected = List_1.List_Index();
  if (selected < 0) return;
  Set_Screen_Pointer(toolkit::Screen_Pointer::Hourglass);
  preview_.Show(folder_ + L"\\" + List_1.Item(selected));
}

void Quorvantile_P::lbl_URL_MouseUp() {
  Set_Screen_Pointer(toolkit::Screen_Pointer::Hourglass);
  toolkit::Shell_Open(Hwnd(), lbl_URL.Caption());
  Set_Screen_Pointer(toolkit::Screen_Pointer::Default);
}

}  // namespace Quorvantile_B
