#pragma once
// The settings dialog: a fixed-size, skinned window that shows and changes the settings, lists the pictures of the
// chosen folder and previews one of them. Its controls are the system's own, painted with the dialog's artwork.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "dialog/looks.h"
#include "dialog/preview_pane.h"
#include "settings/settings_values.h"
#include "toolkit/controls/button.h"
#include "toolkit/controls/deferred_call.h"
#include "toolkit/controls/form.h"
#include "toolkit/controls/layout.h"
#include "toolkit/controls/list_box.h"
#include "toolkit/controls/picture_box.h"
#include "toolkit/system/gdi.h"
#include "toolkit/system/surface.h"

namespace Quorvantile_B {

// The dialog's caption, by which a new start recognises an open dialog.
inline constexpr wchar_t Dialog_Caption[] = L"Quorvantileの設定";

// The maker's web page, shown and opened by the dialog's link.
inline const std::wstring Maker_Page = L"https://k-vorn.example.jp/works/";

class Quorvantile_P : public toolkit::Form {
 public:
  // The settings as loaded, which the dialog edits; it lists the pictures of their folder itself.
  Quorvantile_P(toolkit::App& app, Settings settings);

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void Form_Dpi_Changed(int dpi, const RECT& suggested) override;
  void Form_Default_Key() override { Cmd_Button_Click(2); }
  void Form_Cancel_Key() override { Cmd_Button_Click(3); }

 private:
  // What the user sees. Each option is one button, its picture and its caption together, named as its picture.
  toolkit::Picture_Box Pic_C;  // the whole client area, tiled with the texture
  toolkit::Picture_Box Pic_1;  // the panel
  std::array<toolkit::Button, 4> Cmd_Button;
  toolkit::Static_Text lbl_Kei, Folder_Path, lbl_PreSize, lbl_URL;
  toolkit::List_Box List_1;
  std::array<toolkit::Button, Kind_Count> Img_Kind;
  std::array<toolkit::Button, 2> Img_SR, Img_Size;
  toolkit::Button Img_Sub_Folders;
  toolkit::Layout layout_;
  Preview_Pane preview_;

  // The artwork the dialog copies from, drawn at the layout's dpi: the texture strip, the button face, the heading
  // plate, the radios (empty, dotted) and the check boxes (empty, filled).
  toolkit::Surface Pic_Mbl, Pic_Button, Img_TT;
  std::array<toolkit::Surface, 2> Img_Opt, Img_Ra;
  toolkit::Font font_, link_font_;

  // The settings the dialog edits, and the folder chosen, which Folder_Path shows, the switches walk and the save
  // stores.
  Settings settings_;
  std::wstring folder_;

  // One row of the layout: a control, or artwork drawn into its holder's surface (a plate, a caption); its holder
  // (none: the form); its place at 96 dpi; its caption; its look; for an option, the setting whose value it shows
  // and, for a radio, the value that chooses it. The rows run in reading order, which is also the order of the
  // keyboard's focus.
  enum class Look { Texture, Pane, Plate, Plain, Centred, Count, Framed, Link, Face, Check, Radio };
  using Control = std::variant<std::monostate, toolkit::Picture_Box*, toolkit::Button*, toolkit::Static_Text*,
                               toolkit::List_Box*>;
  struct Row {
    Control What;
    toolkit::Picture_Box* On;
    int X, Y, W, H;
    const wchar_t* Caption;
    Look Looks;
    const std::int16_t* Shows = nullptr;
    int Index = 0;
  };
  static constexpr int List_W = 169;  // the list's width in the layout
  std::vector<Row> Control_Table();
  const std::vector<Row> table_ = Control_Table();

  std::int32_t List_Extent = 0;
  // Where the mouse pointer stood when the dialog was loaded; both zooms start or end there.
  std::int16_t Cursor_X = 0, Cursor_Y = 0;

  void Img_Kind_MouseDown(int Index);
  void Img_SR_MouseDown(int Index);
  void Img_Size_MouseDown(int Index);
  void Img_Sub_Folders_MouseDown();
  void Cmd_Button_Click(int Index);
  void Choose_Folder();
  void List_1_Click();
  void lbl_URL_MouseUp();

  void Create_Controls();
  void Place_Controls();
  RECT Place_Of(const Row& row) const;
  void Make_Fonts_And_Artwork();
  void Show_Artwork();
  void Show_Options();
  void Set_List_Extent();
  void Paint_Control(const Row& row, HWND control, HDC dc, const RECT& r, const std::wstring& caption,
                     const toolkit::Button::Look& look);
  Caption_Look Caption_Of(Look look) const;
  void Rebuild_List();
  // The list's walk under way. Newer work, or clearing the folder, takes its place.
  void Start_List_Work(std::unique_ptr<toolkit::Stepped_Work> work);
  void Walk_Folder(bool as_found);

  std::unique_ptr<toolkit::Stepped_Work> list_work_;
  // A switch rebuilds the list once its new picture is painted.
  toolkit::Deferred_Call rebuild_{[this] { Rebuild_List(); }};
};

}  // namespace Quorvantile_B
