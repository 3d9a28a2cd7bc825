#include "dialog/quorvantile_p.h"

#include <oleacc.h>

#include "dialog/drawing.h"
#include "dialog/folder_scan.h"
#include "dialog/list_fill.h"
#include "resources/resource_ids.h"
#include "settings/settings_file.h"
#include "toolkit/portable/dir_search.h"
#include "toolkit/portable/error_styles.h"
#include "toolkit/portable/numbers.h"
#include "toolkit/system/error_text.h"
#include "toolkit/system/pointer.h"
#include "toolkit/system/process.h"
#include "toolkit/system/screen.h"
#include "toolkit/system/system_text.h"

namespace Quorvantile_B {

using toolkit::Alignment;
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

}  // namespace

Quorvantile_P::Quorvantile_P(toolkit::App& app, Settings settings, Catalogue pictures)
    : Form(app, Dialog_Caption, toolkit::Border_Style::Fixed_Single),
      settings_(std::move(settings)),
      pictures_(std::move(pictures)) {}

// The control tree: positions and sizes in pixels of the 96-dpi layout, relative to each control's holder.
void Quorvantile_P::Create_Controls() {
  const HWND form = Hwnd();
  auto label = [&](toolkit::Label& l, toolkit::Picture_Box& holder, int x, int y, int w, int h, const wchar_t* caption,
                   Alignment align = Alignment::Left) {
    layout_.Place(l, x, y, w, h);
    l.Set_Caption(caption);
    l.Align = align;
    holder.Add_Control(l);
  };
  auto image = [&](toolkit::Image& i, toolkit::Picture_Box& holder, int x, int y, int w, int h) {
    layout_.Place(i, x, y, w, h);
    holder.Add_Control(i);
  };
  auto box = [&](toolkit::Picture_Box& b, HWND parent, int x, int y, int w, int h, bool visible, COLORREF back) {
    b.Create(parent, 0, 0, 0, 0, visible, back);
    layout_.Place(b, x, y, w, h);
  };
  auto button = [&](int i, toolkit::Picture_Box& holder, int x, int y, int w, int h, const wchar_t* caption) {
    Cmd_Button[i].Create(holder, 0, 0, 0, 0, caption, nullptr);
    layout_.Place(Cmd_Button[i].Hwnd(), x, y, w, h);
  };

  // The stores lie outside the client area and are never shown.
  box(Pic_Mbl, form, 680, 88, 563, 21, false, RGB(0, 0, 0));
  box(Pic_Button, form, 680, 120, 103, 37, false, RGB(0, 0, 0));
  box(Pic_F, form, 696, 200, 45, 41, false, RGB(0, 0, 0));

  box(Pic_C, form, 0, 0, 453, 405, true, RGB(206, 206, 210));
  box(Pic_1, Pic_C.Hwnd(), 12, 12, 425, 317, true, RGB(206, 206, 210));

  // The panel, in reading order (which is also the order of the keyboard focus).
  image(Img_H[3], Pic_1, 12, 8, 95, 22);
  label(lbl[12], Pic_1, 12, 12, 95, 17, L"ﾌｧｲﾙ名", Alignment::Center);
  button(0, Pic_1, 12, 40, 97, 21, L"ﾌｫﾙﾀﾞ指定...");
  label(lbl_Kei, Pic_1, 112, 44, 33, 17, L"", Alignment::Right);
  lbl_Kei.Transparent = false;
  lbl_Kei.Border = true;
  label(lbl[8], Pic_1, 148, 48, 17, 13, L"枚");
  List_1.Create(Pic_1, 0, 0, 0, 0, nullptr);
  layout_.Place(List_1.Control_Hwnd(), 12, 68, List_W, 212);
  label(Folder_Path, Pic_1, 12, 284, 397, 21, L"");
  Folder_Path.Border = true;
  image(Img_H[4], Pic_1, 192, 8, 95, 22);
  label(lbl[6], Pic_1, 192, 12, 95, 17, L"ﾌﾟﾚﾋﾞｭｰ", Alignment::Center);
  label(lbl_PreSize, Pic_1, 192, 36, 101, 13, L"9999 * 9999", Alignment::Center);
  // The pane's size follows the previewed picture (Show_Preview); its corner is the layout's.
  box(Pic_K, Pic_1.Hwnd(), 192, 52, 100, 100, true, RGB(0xE0, 0xE0, 0xE0));
  image(Img_H[5], Pic_1, 192, 160, 95, 22);
  label(lbl[11], Pic_1, 192, 164, 95, 17, L"画像の種類", Alignment::Center);
  // The first four kinds one under another, the fifth beside the first.
  const wchar_t* kinds[Kind_Count] = {L"*.bmp", L"*.gif", L"*.jpg", L"*.wmf", L"*.png"};
  const int kind_widths[Kind_Count] = {32, 23, 25, 32, 28};
  for (int i = 0; i < Kind_Count; ++i) {
    const int x = i < 4 ? 208 : 264, y = 188 + 16 * (i % 4);
    image(Img_Kind[i], Pic_1, x, y, 12, 12);
    label(lbl_Kind[i], Pic_1, x + 16, y, kind_widths[i], 13, kinds[i]);
    Img_Kind[i].Mouse_Down = lbl_Kind[i].Mouse_Down = [this, i](int, int, int, int) { Img_Kind_MouseDown(i); };
  }
  for (auto& key : Key_Kind) key.Create(Pic_1);
  button(1, Pic_1, 192, 256, 97, 21, L"ｸﾘｱ");
  image(Img_H[1], Pic_1, 312, 8, 95, 22);
  label(lbl[13], Pic_1, 312, 12, 97, 17, L"画像ﾁｪﾝｼﾞ", Alignment::Center);
  // A radio group: two radios at (332, top) and 16 pixels below, their captions beside them.
  auto radios = [&](std::array<toolkit::Image, 2>& images, std::array<toolkit::Label, 2>& captions, int top,
                    std::array<const wchar_t*, 2> texts, std::array<int, 2> widths,
                    void (Quorvantile_P::*pressed)(int)) {
    for (int i = 0; i < 2; ++i) {
      image(images[i], Pic_1, 332, top + 16 * i, 13, 13);
      label(captions[i], Pic_1, 348, top + 16 * i, widths[i], 13, texts[i]);
      images[i].Mouse_Down = captions[i].Mouse_Down = [this, i, pressed](int, int, int, int) { (this->*pressed)(i); };
    }
  };
  radios(Img_SR, lbl_RS, 40, {L"ｼｰｹﾝｼｬﾙ", L"ﾗﾝﾀﾞﾑ"}, {55, 32}, &Quorvantile_P::Img_SR_MouseDown);
  Key_SR.Create(Pic_1);
  image(Img_H[2], Pic_1, 312, 84, 95, 22);
  label(lbl[10], Pic_1, 312, 88, 97, 17, L"画像のｻｲｽﾞ", Alignment::Center);
  radios(Img_Size, lbl_Size, 116, {L"ｵﾘｼﾞﾅﾙ", L"ﾌﾙｽｸﾘｰﾝ"}, {42, 52}, &Quorvantile_P::Img_Size_MouseDown);
  Key_Size.Create(Pic_1);

  // The foot of the dialog.
  label(lbl[9], Pic_C, 12, 340, 168, 13, L"Designed by k-Vorn Ver.1.0.0");
  label(lbl_URL, Pic_C, 12, 372, 352, 13, Maker_Page.c_str());
  lbl_URL.Fore_Color = RGB(0, 0, 255);
  lbl_URL.Mouse_Up = [this](int, int, int, int) { lbl_URL_MouseUp(); };
  button(2, Pic_C, 236, 340, 101, 21, L"設定");
  button(3, Pic_C, 340, 340, 97, 21, L"ｷｬﾝｾﾙ");

  for (int i = 0; i < 4; ++i) Cmd_Button[i].On_Click = [this, i] { Cmd_Button_Click(i); };
  List_1.On_Click = [this] { List_1_Click(); };
  Make_Option_Keys();
  Make_Accessibility();
}

// A key runs exactly the handler that a press of the mouse runs: space toggles a kind; in a radio group the
// arrow keys move the choice and space takes the one with the focus mark.
void Quorvantile_P::Make_Option_Keys() {
  for (int i = 0; i < Kind_Count; ++i) {
    Key_Kind[i].On_Key = [this, i](int key) {
      if (key == VK_SPACE) Img_Kind_MouseDown(i);
    };
    Key_Kind[i].On_Focus_Change = [this, i] { lbl_Kind[i].Set_Focus_Mark(Key_Kind[i].Has_Focus()); };
  }
  Key_SR.On_Key = [this](int key) {
    Radio_Key(key, settings_.Change_Mode, &Quorvantile_P::Img_SR_MouseDown);
    Show_Radio_Focus(lbl_RS, Key_SR, settings_.Change_Mode);
  };
  Key_SR.On_Focus_Change = [this] { Show_Radio_Focus(lbl_RS, Key_SR, settings_.Change_Mode); };
  Key_Size.On_Key = [this](int key) {
    Radio_Key(key, settings_.Size_Mode, &Quorvantile_P::Img_Size_MouseDown);
    Show_Radio_Focus(lbl_Size, Key_Size, settings_.Size_Mode);
  };
  Key_Size.On_Focus_Change = [this] { Show_Radio_Focus(lbl_Size, Key_Size, settings_.Size_Mode); };
}

void Quorvantile_P::Radio_Key(int Key_Code, std::int16_t setting, void (Quorvantile_P::*select)(int)) {
  const int chosen = setting == 0 || setting == 1 ? setting : -1;  // a stored 2 chooses neither
  if (Key_Code == VK_SPACE)
    (this->*select)(chosen < 0 ? 0 : chosen);
  else if (Key_Code == VK_RIGHT || Key_Code == VK_DOWN)
    (this->*select)(chosen == 0 ? 1 : 0);
  else
    (this->*select)(chosen == 1 ? 0 : 1);
}

// The focus mark sits on the chosen radio's caption, or on the first when neither is chosen.
void Quorvantile_P::Show_Radio_Focus(std::array<toolkit::Label, 2>& captions, const toolkit::Option_Key& key,
                                     std::int16_t setting) {
  const int marked = setting == 1 ? 1 : 0;
  for (int i = 0; i < 2; ++i) captions[i].Set_Focus_Mark(key.Has_Focus() && i == marked);
}

// What a screen reader finds in the panel: the kinds as check boxes, the orders and sizes as radio buttons,
// the count, the folder and the preview's size as texts; the option keys answer for their own option.
void Quorvantile_P::Make_Accessibility() {
  const HWND panel = Pic_1.Hwnd();
  const auto place = [panel](std::vector<const toolkit::Windowless_Control*> parts) {
    return [panel, parts] {
      RECT all{};
      for (const auto* part : parts) UnionRect(&all, &all, &part->Rect());
      MapWindowPoints(panel, nullptr, reinterpret_cast<POINT*>(&all), 2);
      return all;
    };
  };
  const auto focused = [](const toolkit::Option_Key& key) { return key.Has_Focus() ? STATE_SYSTEM_FOCUSED : 0L; };
  std::vector<toolkit::Accessible_Item> options;
  for (int i = 0; i < Kind_Count; ++i) {
    options.push_back({ROLE_SYSTEM_CHECKBUTTON, [this, i] { return lbl_Kind[i].Caption(); },
                       [this, i, focused] {
                         return (settings_.Kind_Flag[i] == 1 ? STATE_SYSTEM_CHECKED : 0L) | STATE_SYSTEM_FOCUSABLE |
                                focused(Key_Kind[i]);
                       },
                       place({&Img_Kind[i], &lbl_Kind[i]})});
    Key_Kind[i].Accessibility.Self = options.back();
  }
  const auto radios = [&](std::array<toolkit::Image, 2>& images, std::array<toolkit::Label, 2>& captions,
                          const std::int16_t& setting, toolkit::Option_Key& key, toolkit::Label& heading) {
    key.Accessibility.Self = {ROLE_SYSTEM_GROUPING, [&heading] { return heading.Caption(); }, nullptr,
                              place({&images[0], &captions[0], &images[1], &captions[1]})};
    for (int i = 0; i < 2; ++i) {
      options.push_back({ROLE_SYSTEM_RADIOBUTTON, [&captions, i] { return captions[i].Caption(); },
                         [&setting, &key, i, focused] {
                           return (setting == i ? STATE_SYSTEM_CHECKED : 0L) | STATE_SYSTEM_FOCUSABLE |
                                  (setting == i ? focused(key) : 0L);
                         },
                         place({&images[i], &captions[i]})});
      key.Accessibility.Children.push_back(options.back());
    }
  };
  radios(Img_SR, lbl_RS, settings_.Change_Mode, Key_SR, lbl[13]);
  radios(Img_Size, lbl_Size, settings_.Size_Mode, Key_Size, lbl[10]);
  for (toolkit::Label* text : {&lbl_Kei, &Folder_Path, &lbl_PreSize})
    options.push_back({ROLE_SYSTEM_STATICTEXT, [text] { return text->Caption(); }, nullptr, place({text})});
  Pic_1.Accessibility = {{ROLE_SYSTEM_CLIENT, [] { return std::wstring(Dialog_Caption); }, nullptr, place({})},
                         std::move(options)};
}

// The fonts and the stored artwork for the layout's dpi.
void Quorvantile_P::Make_Fonts_And_Artwork() {
  const int dpi = layout_.Dpi();
  font_.Reset(Dialog_Font(false, dpi));
  link_font_.Reset(Dialog_Font(true, dpi));
  for (toolkit::Label* l : Labels()) l->Font = font_.Get();
  lbl_URL.Font = link_font_.Get();
  for (auto& b : Cmd_Button) b.Set_Font(font_.Get());
  toolkit::Send_Message(List_1.Control_Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
  Resume_Next([&] { Pic_Mbl.Draw_Picture(*Artwork(Res_Texture, dpi)); });
  // The face is drawn once it is had.
  Resume_Next([&] {
    button_face_ = Artwork(Res_Button_Face, dpi);
    Pic_Button.Draw_Picture(*button_face_);
  });
  Resume_Next([&] { Img_TT.Set_Picture(Artwork(Res_Heading_Plate, dpi)); });
  Resume_Next([&] { Img_Opt[0].Set_Picture(Artwork(Res_Radio_Empty, dpi)); });
  Resume_Next([&] { Img_Opt[1].Set_Picture(Artwork(Res_Radio_Dot, dpi)); });
  Resume_Next([&] { Img_Ra[0].Set_Picture(Artwork(Res_Check_Empty, dpi)); });
  Resume_Next([&] { Img_Ra[1].Set_Picture(Artwork(Res_Check_Filled, dpi)); });
}

std::vector<toolkit::Label*> Quorvantile_P::Labels() {
  std::vector<toolkit::Label*> all{&lbl_Kei, &Folder_Path, &lbl_PreSize, &lbl_URL};
  for (auto& l : lbl) all.push_back(&l);
  for (auto& l : lbl_Kind) all.push_back(&l);
  for (auto* pair : {&lbl_RS, &lbl_Size})
    for (auto& l : *pair) all.push_back(&l);
  return all;
}

// The dialog's artwork on its controls: the texture, the heading plates, the button faces, the options as the
// settings stand, and the preview pane.
void Quorvantile_P::Show_Artwork() {
  Paint_Back(Pic_Mbl, Pic_C);
  Paint_Back(Pic_Mbl, Pic_1);
  for (int i = 1; i <= 5; ++i) Img_H[i].Set_Picture(Img_TT.Get_Picture());
  for (auto& b : Cmd_Button) b.Set_Face(button_face_, Pic_Button.Width(), Pic_Button.Height());
  // A value other than 0 or 1 leaves its group blank.
  if (Zero_Or_One(settings_.Change_Mode)) Select_Radio(Img_SR, settings_.Change_Mode);
  if (Zero_Or_One(settings_.Size_Mode)) Select_Radio(Img_Size, settings_.Size_Mode);
}

// A flag other than 0 or 1 leaves its check box as it was.
void Quorvantile_P::Show_Kind(int Index) {
  const int flag = settings_.Kind_Flag[static_cast<std::size_t>(Index)];
  if (Zero_Or_One(flag)) Img_Kind[Index].Set_Picture(Img_Ra[flag].Get_Picture());
}

void Quorvantile_P::Show_Kinds() {
  for (int i = 0; i < Kind_Count; ++i) Show_Kind(i);
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
  // 4 to 8: the texture, the heading plates, the button faces and the radios.
  Show_Artwork();
  // 9 to 12: the file list, the folder and the kinds.
  Fill_List_From_Pict_List();
  lbl_PreSize.Set_Caption(L"");
  // A folder stored in its short form shows in its long one.
  const std::wstring& folder = settings_.Pict_Folder;
  Folder_Path.Set_Caption(folder.find(L'~') == std::wstring::npos ? folder : toolkit::Long_Path(folder));
  Show_Kinds();
  // 13: the preview pane's raised edge.
  Draw_Edge(Pic_K, EDGE_RAISED);
  // 14: the hand over every control that reacts to the mouse.
  for (auto* c :
       std::initializer_list<toolkit::Windowless_Control*>{&Img_SR[0], &Img_SR[1], &lbl_RS[0], &lbl_RS[1], &Img_Size[0],
                                                           &Img_Size[1], &lbl_Size[0], &lbl_Size[1], &lbl_URL})
    c->Hand_Pointer = true;
  for (auto& i : Img_Kind) i.Hand_Pointer = true;
  for (auto& l : lbl_Kind) l.Hand_Pointer = true;
  for (auto& b : Cmd_Button) b.Hand_Pointer = true;
  List_1.Hand_Pointer = true;
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
  Set_List_Extent();
  Show_Artwork();
  Show_Kinds();
  Resume_Next([&] { Show_Preview(); });
  const double width = Outer_Width_Twips(Pic_C.Width()), height = Outer_Height_Twips(Pic_C.Height());
  Move_Twips(suggested.left * toolkit::Twips_Per_Pixel_X(), suggested.top * toolkit::Twips_Per_Pixel_Y(), width,
             height);
}

void Quorvantile_P::Form_Unload() {
  Zoom_Close(Hwnd(), Cursor_X, Cursor_Y);
  // The configuration mode ends with the dialog. Ending here also abandons a folder scan under way.
  toolkit::End_Program();
}

// The names of the picture list, in its sorted order; a file gone since shows as an empty line.
void Quorvantile_P::Fill_List_From_Pict_List() {
  if (pictures_.Pict_Count == 0) {
    Start_List_Work(nullptr);
    List_1.Clear();
    return;
  }
  Start_List_Work(
      std::make_unique<List_Fill>(List_1, lbl_Kei,
                                  std::vector<std::wstring>(pictures_.Pict_List.begin() + 1,
                                                            pictures_.Pict_List.begin() + 1 + pictures_.Pict_Count)));
}

void Quorvantile_P::Start_List_Work(std::unique_ptr<toolkit::Stepped_Work> work) {
  list_work_ = std::move(work);
  if (list_work_) Program().Start(*list_work_);
}

void Quorvantile_P::Img_Kind_MouseDown(int Index) {
  std::int16_t& flag = settings_.Kind_Flag[static_cast<std::size_t>(Index)];
  flag = static_cast<std::int16_t>(flag ^ 1);
  Show_Kind(Index);
  Program().Start(kind_rebuild_);
}

// The folder the dialog shows; without one, or with one gone, the list keeps what it shows.
void Quorvantile_P::Rebuild_List() {
  settings_.Pict_Folder = Folder_Path.Caption();
  if (settings_.Pict_Folder.empty() || !Check_Folder(settings_.Pict_Folder)) return;
  lbl_Kei.Set_Caption(L"");
  pictures_ = Make_Pict_List(settings_.Pict_Folder, settings_.Kind_Flag);  // its walks handle their own errors
  Fill_List_From_Pict_List();
}

void Quorvantile_P::Select_Radio(std::array<toolkit::Image, 2>& group, int Index) {
  group[Index].Set_Picture(Img_Opt[1].Get_Picture());
  group[Index ^ 1].Set_Picture(Img_Opt[0].Get_Picture());
}

void Quorvantile_P::Img_SR_MouseDown(int Index) {
  Select_Radio(Img_SR, Index);
  settings_.Change_Mode = static_cast<std::int16_t>(Index);
}

void Quorvantile_P::Img_Size_MouseDown(int Index) {
  Select_Radio(Img_Size, Index);
  settings_.Size_Mode = static_cast<std::int16_t>(Index);
}

void Quorvantile_P::Cmd_Button_Click(int Index) {
  switch (Index) {
    case 0:
      Choose_Folder();
      break;
    case 1:
      Start_List_Work(nullptr);
      List_1.Clear();
      Folder_Path.Set_Caption(L"");
      lbl_Kei.Set_Caption(L"");
      break;
    case 2: {
      Settings saved = settings_;
      saved.Pict_Folder = Folder_Path.Caption();
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
  Folder_Path.Set_Caption(path);
  Start_List_Work(std::make_unique<Folder_Scan>(Hwnd(), List_1, lbl_Kei, path, settings_.Kind_Flag));
}

void Quorvantile_P::List_1_Click() {
  const int selected = List_1.List_Index();
  if (selected < 0) return;
  Set_Screen_Pointer(toolkit::Screen_Pointer::Hourglass);
  Pic_K.Set_Visible(false);
  const std::wstring path = Folder_Path.Caption() + L"\\" + List_1.Item(selected);
  // The file is read on the loader's thread, and the list answers meanwhile. A newer choice takes the place of one
  // not yet begun; only the last answer is shown.
  loader_.Drop_Waiting();
  bool asked = false;
  Resume_Next([&] {
    loader_.Request(path);
    asked = true;
  });
  if (asked)
    Program().Start(preview_);
  else
    Show_Previewed(std::nullopt);  // as a file that cannot be read
}

bool Quorvantile_P::Take_Preview() {
  while (std::optional<toolkit::Picture_Loader::Answer> answer = loader_.Take())
    if (loader_.Outstanding() == 0) {
      Show_Previewed(std::move(answer->Picture));
      return true;
    }
  return false;
}

// A file that cannot be decoded leaves the previous picture in Pic_F, and the steps go on with it.
void Quorvantile_P::Show_Previewed(std::optional<toolkit::Decoded_Picture> picture) {
  if (picture) {
    Previewed_W = picture->Natural_W;
    Previewed_H = picture->Natural_H;
    Pic_F.Adopt(std::move(*picture));
  }
  const double w = Previewed_W, h = Previewed_H;
  lbl_PreSize.Set_Caption(std::to_wstring(Previewed_W) + L" * " + std::to_wstring(Previewed_H));
  // Without a picture the pane keeps its size and its last drawing.
  if (w > 0 && h > 0) {
    // The longer side becomes 100; the pane grows right and down from its fixed corner.
    Pane_W = w > h ? 100 : w * 100 / h;
    Pane_H = w > h ? h * 100 / w : 100;
    Resume_Next([&] { Draw_Pane_Picture(); });
  }
  Draw_Edge(Pic_K, EDGE_RAISED);
  Pic_K.Set_Visible(true);
  Pic_K.Surface_Changed();
  Pic_K.Refresh();
  Set_Screen_Pointer(toolkit::Screen_Pointer::Default);
}

// Pic_F's picture stretched into the pane, whose size is Pane_W x Pane_H of the layout, with rows and
// columns dropped rather than blended.
void Quorvantile_P::Draw_Pane_Picture() {
  const int copy_w = toolkit::To_Int32(Pane_W * layout_.Dpi() / 96.0);
  const int copy_h = toolkit::To_Int32(Pane_H * layout_.Dpi() / 96.0);
  Pic_K.Resize(copy_w, copy_h);
  SetStretchBltMode(Pic_K.Hdc(), COLORONCOLOR);
  StretchBlt(Pic_K.Hdc(), 0, 0, copy_w, copy_h, Pic_F.Hdc(), 0, 0, Pic_F.Width(), Pic_F.Height(), SRCCOPY);
}

// The pane as it stands, drawn again: the last preview, or the empty pane.
void Quorvantile_P::Show_Preview() {
  if (Pane_W > 0)
    Draw_Pane_Picture();
  else
    Pic_K.Cls();
  Draw_Edge(Pic_K, EDGE_RAISED);
}

void Quorvantile_P::lbl_URL_MouseUp() {
  Set_Screen_Pointer(toolkit::Screen_Pointer::Hourglass);
  toolkit::Shell_Open(Hwnd(), lbl_URL.Caption());
  Set_Screen_Pointer(toolkit::Screen_Pointer::Default);
}

}  // namespace Quorvantile_B
