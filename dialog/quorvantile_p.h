#pragma once
// The settings dialog: a fixed-size, skinned window that shows and changes the settings, lists the
// pictures of the chosen folder and previews one of them.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/pict_list.h"
#include "settings/settings_values.h"
#include "toolkit/controls/command_button.h"
#include "toolkit/controls/deferred_call.h"
#include "toolkit/controls/form.h"
#include "toolkit/controls/image.h"
#include "toolkit/controls/label.h"
#include "toolkit/controls/layout.h"
#include "toolkit/controls/list_box.h"
#include "toolkit/controls/option_key.h"
#include "toolkit/controls/picture_box.h"
#include "toolkit/controls/signal_work.h"
#include "toolkit/system/gdi.h"
#include "toolkit/system/picture_loader.h"

namespace Quorvantile_B {

// The dialog's caption, by which a new start recognises an open dialog.
inline constexpr wchar_t Dialog_Caption[] = L"Quorvantileの設定";

// The maker's web page, shown and opened by the dialog's link.
inline const std::wstring Maker_Page = L"https://k-vorn.example.jp/works/";

class Quorvantile_P : public toolkit::Form {
 public:
  // The settings as loaded, which the dialog edits, and the picture list of their folder.
  Quorvantile_P(toolkit::App& app, Settings settings, Catalogue pictures);

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void Form_Dpi_Changed(int dpi, const RECT& suggested) override;
  void Form_Default_Key() override { Cmd_Button_Click(2); }
  void Form_Cancel_Key() override { Cmd_Button_Click(3); }

 private:
  // What the user sees (positions in the dialog's own layout).
  toolkit::Picture_Box Pic_C;           // the whole client area, tiled with the texture
  toolkit::Picture_Box Pic_1;           // the panel
  std::array<toolkit::Image, 6> Img_H;  // heading plates 1 to 5
  std::array<toolkit::Label, 14> lbl;   // headings and static texts 6, 8 to 13
  std::array<toolkit::Command_Button, 4> Cmd_Button;
  toolkit::Label lbl_Kei, Folder_Path, lbl_PreSize, lbl_URL;
  toolkit::List_Box List_1;
  toolkit::Picture_Box Pic_K;  // the preview pane
  std::array<toolkit::Image, Kind_Count> Img_Kind;
  std::array<toolkit::Label, Kind_Count> lbl_Kind;
  std::array<toolkit::Image, 2> Img_SR, Img_Size;
  std::array<toolkit::Label, 2> lbl_RS, lbl_Size;
  // The keyboard's way to the options, in reading order: each kind check box, then each radio group.
  std::array<toolkit::Option_Key, Kind_Count> Key_Kind;
  toolkit::Option_Key Key_SR, Key_Size;

  // Stores, outside the visible area: the artwork the dialog copies from.
  toolkit::Picture_Box Pic_Mbl;           // texture strip
  toolkit::Picture_Box Pic_Button;        // button face
  toolkit::Picture_Box Pic_F;             // the preview's load buffer
  toolkit::Image Img_TT;                  // heading plate
  std::array<toolkit::Image, 2> Img_Opt;  // radio: empty, dotted
  std::array<toolkit::Image, 2> Img_Ra;   // check box: empty, filled

  // The settings the dialog edits; its folder is the one Folder_Path shows, and the picture list the one that the
  // kind switches rebuild from it.
  Settings settings_;
  Catalogue pictures_;
  std::int32_t List_Extent = 0;
  // Where the mouse pointer stood when the dialog was loaded; both zooms start or end there.
  std::int16_t Cursor_X = 0, Cursor_Y = 0;
  // The preview pane's size in the layout, 0 before the first preview.
  double Pane_W = 0, Pane_H = 0;
  // The previewed picture's natural size, upright; Pic_F holds what was read of it.
  int Previewed_W = 0, Previewed_H = 0;

  void Img_Kind_MouseDown(int Index);
  void Img_SR_MouseDown(int Index);
  void Img_Size_MouseDown(int Index);
  void Cmd_Button_Click(int Index);
  void Choose_Folder();
  void List_1_Click();
  void lbl_URL_MouseUp();

  static constexpr int List_W = 169;  // the list's width in the layout

  void Create_Controls();
  void Make_Fonts_And_Artwork();
  std::vector<toolkit::Label*> Labels();
  void Show_Artwork();
  void Show_Kind(int Index);
  void Show_Kinds();
  void Set_List_Extent();
  void Draw_Pane_Picture();
  void Show_Preview();
  // The preview's answer from the loader, once it has come; true when shown.
  bool Take_Preview();
  void Show_Previewed(std::optional<toolkit::Decoded_Picture> picture);
  void Make_Option_Keys();
  void Radio_Key(int Key_Code, std::int16_t setting, void (Quorvantile_P::*select)(int));
  void Show_Radio_Focus(std::array<toolkit::Label, 2>& captions, const toolkit::Option_Key& key, std::int16_t setting);
  void Make_Accessibility();
  void Select_Radio(std::array<toolkit::Image, 2>& group, int Index);
  void Fill_List_From_Pict_List();
  void Rebuild_List();
  // The list's work under way: a folder scan, or a fill. Newer work, or clearing the folder, takes its place.
  void Start_List_Work(std::unique_ptr<toolkit::Stepped_Work> work);

  toolkit::Layout layout_;
  toolkit::Font font_, link_font_;
  std::shared_ptr<toolkit::Picture> button_face_;
  std::unique_ptr<toolkit::Stepped_Work> list_work_;
  // The previewed file is read on the worker, no bigger than the pane needs at up to twice the usual dpi, and shown
  // when it has come.
  class Pane_Size : public toolkit::Shown_Size {
   public:
    toolkit::Decode_Part Part(int W, int H) const noexcept override {
      if (W <= 0 || H <= 0) return {};
      return {0, 0, 0, 0, W > H ? 200 : W * 200 / H, W > H ? H * 200 / W : 200};
    }
  } pane_size_;
  toolkit::Picture_Loader loader_{&pane_size_};
  toolkit::Signal_Work preview_{[this] { return loader_.Answer_Event(); }, [this] { return Take_Preview(); }};
  // A kind switched rebuilds the list once the new check picture is painted.
  toolkit::Deferred_Call kind_rebuild_{[this] { Rebuild_List(); }};
};

}  // namespace Quorvantile_B
