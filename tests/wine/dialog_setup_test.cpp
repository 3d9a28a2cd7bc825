// The settings dialog as it opens and as its options are pressed: the window, the control tree, the
// texture, the stored settings shown, the file list and the option toggles.
#include <gtest/gtest.h>

#include <algorithm>

#include "catalogue/pict_list.h"
#include "dialog/quorvantile_p.h"
#include "resources/resource_ids.h"
#include "tests/wine/dialog_fixture.h"
#include "toolkit/gdi.h"

using namespace driver;
using toolkit::Alignment;

namespace {

RECT Rect_In(HWND child, HWND holder) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, holder, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void Expect_Rect(HWND child, HWND holder, int x, int y, int w, int h) {
  const RECT r = Rect_In(child, holder);
  EXPECT_EQ(r.left, x);
  EXPECT_EQ(r.top, y);
  EXPECT_EQ(r.right - r.left, w);
  EXPECT_EQ(r.bottom - r.top, h);
}

// A dialog whose stored folder "pics" holds one picture of each kind and two more jpg files.
struct Dialog_With_Pictures : Open_Dialog {
  explicit Dialog_With_Pictures(const std::wstring& name)
      : Open_Dialog(name, L"C:\\qvtest\\" + name + L"\\pics", {}, [](const Install& install) {
          const std::wstring folder = install.Path(L"pics");
          CreateDirectoryW(folder.c_str(), nullptr);
          for (const wchar_t* file : {L"d.bmp", L"c.gif", L"b.jpg", L"a.wmf", L"Z.jpg", L"e.jpg"})
            Write_Bytes(folder + L"\\" + file, "x");
        }) {}
};

const RECT Img_Kind_Rect(int i) { return {208, 188 + 16 * i, 220, 200 + 16 * i}; }
const RECT Img_SR_Rect(int i) { return {332, 40 + 16 * i, 345, 53 + 16 * i}; }
const RECT Img_Size_Rect(int i) { return {332, 116 + 16 * i, 345, 129 + 16 * i}; }

class Dialog_Options : public ::testing::Test {
 protected:
  // The option pictures as the saver stores them.
  void Load_Artwork(const std::wstring& scr) {
    radio[0] = Stored_Picture(scr, Res_Radio_Empty, 13, 13);
    radio[1] = Stored_Picture(scr, Res_Radio_Dot, 13, 13);
    check[0] = Stored_Picture(scr, Res_Check_Empty, 12, 12);
    check[1] = Stored_Picture(scr, Res_Check_Filled, 12, 12);
  }
  std::vector<DWORD> radio[2], check[2];
};

}  // namespace

TEST(Dialog_Setup, AFixedWindowCentredWithTheLayoutsClientArea) {
  Open_Dialog d(L"dialog_window", L"");
  ASSERT_NE(d.window, nullptr);
  EXPECT_EQ(Title_Of(d.window), L"Quorvantileの設定");
  RECT client{}, outer{};
  GetClientRect(d.window, &client);
  GetWindowRect(d.window, &outer);
  EXPECT_EQ(client.right, 453);
  EXPECT_EQ(client.bottom, 405);
  const LONG style = GetWindowLongW(d.window, GWL_STYLE);
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX));
  EXPECT_NEAR(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2, 1);
  EXPECT_NEAR(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 2, 1);

  // The control tree.
  Expect_Rect(d.Pic_C, d.window, 0, 0, 453, 405);
  Expect_Rect(d.Panel, d.Pic_C, 12, 12, 425, 317);
  Expect_Rect(d.Button[0], d.Panel, 12, 40, 97, 21);
  Expect_Rect(d.List, d.Panel, 12, 68, 169, 212);
  Expect_Rect(d.Pane, d.Panel, 192, 52, 100, 100);
  Expect_Rect(d.Button[1], d.Panel, 192, 256, 97, 21);
  Expect_Rect(d.Button[2], d.Pic_C, 236, 340, 101, 21);
  Expect_Rect(d.Button[3], d.Pic_C, 340, 340, 97, 21);
  EXPECT_EQ(SendMessageW(d.List, LB_GETHORIZONTALEXTENT, 0, 0), 311);  // 169 / 15 + 300
}

TEST(Dialog_Setup, TheTextureIsTiledWithoutGapsAndThePaneHasARaisedEdge) {
  Open_Dialog d(L"dialog_texture", L"");
  ASSERT_NE(d.window, nullptr);
  // Free stretches of texture: the right of the dialog's foot, and the panel's right-hand strip.
  const RECT foot{370, 386, 453, 405}, panel_strip{410, 150, 425, 280};
  EXPECT_TRUE(Wait_For([&] { return d.Pixels(d.Pic_C, foot) == Texture_Under(d.install.Scr(), foot); }));
  EXPECT_TRUE(Wait_For([&] { return d.Pixels(d.Panel, panel_strip) == Texture_Under(d.install.Scr(), panel_strip); }));
  // Raised: light on the top-left, darkest at the bottom-right.
  std::vector<DWORD> pane;
  ASSERT_TRUE(Wait_For([&] { return (pane = d.Pixels(d.Pane, {0, 0, 100, 100}))[50 * 100 + 50] == 0xE0E0E0u; }));
  auto colour = [](int index) {
    const COLORREF c = GetSysColor(index);
    return static_cast<DWORD>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c));
  };
  EXPECT_EQ(pane[0], colour(COLOR_3DLIGHT));
  EXPECT_EQ(pane[100 * 100 - 1], colour(COLOR_3DDKSHADOW));
}

TEST(Dialog_Setup, CaptionsAreDrawnInTheJapaneseFont) {
  Open_Dialog d(L"dialog_font", L"");
  ASSERT_NE(d.window, nullptr);
  // The font the dialog asks for has every glyph of its captions.
  LOGFONTW lf{};
  lf.lfHeight = -13;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lstrcpyW(lf.lfFaceName, L"ＭＳ Ｐゴシック");
  const toolkit::Font font(CreateFontIndirectW(&lf));
  const toolkit::Window_Dc screen(nullptr);
  const toolkit::Selection selected(screen.Get(), font.Get());
  const std::wstring captions = L"ﾌｧｲﾙ名枚ﾌﾟﾚﾋﾞｭｰ画像の種類ﾁｪﾝｼﾞｼｰｹﾝｼｬﾙﾗﾝﾀﾞﾑｻｲｽﾞｵﾘｼﾞﾅﾙﾌﾙｽｸﾘｰﾝﾌｫﾙﾀﾞ指定ｸﾘｱ設定ｷｬﾝｾﾙ";
  std::vector<WORD> glyphs(captions.size());
  GetGlyphIndicesW(screen.Get(), captions.c_str(), static_cast<int>(captions.size()), glyphs.data(),
                   GGI_MARK_NONEXISTING_GLYPHS);
  EXPECT_EQ(std::count(glyphs.begin(), glyphs.end(), 0xFFFF), 0);
  // And the headings show exactly that font's text over the heading plate.
  const RECT heading{192, 164, 287, 181};  // 画像の種類
  const auto plate = Stored_Picture(d.install.Scr(), Res_Heading_Plate, 95, 22);
  std::vector<DWORD> beneath;
  for (int y = 4; y < 21; ++y)
    for (int x = 0; x < 95; ++x) beneath.push_back(plate[static_cast<std::size_t>(y) * 95 + x]);
  EXPECT_TRUE(Wait_For([&] {
    return d.Pixels(d.Panel, heading) == Expected_Label(L"画像の種類", 95, 17, Alignment::Center, false, false, beneath);
  }));
}

TEST_F(Dialog_Options, StoredSettingsShowInTheOptionPictures) {
  Saver_Settings s;
  s.Change_Mode = 1;
  s.Size_Mode = 0;
  s.Kind_Flag = {1, 0, 1, 0};
  Open_Dialog d(L"dialog_stored", L"", s);
  ASSERT_NE(d.window, nullptr);
  Load_Artwork(d.install.Scr());
  EXPECT_TRUE(Wait_For([&] { return d.Pixels(d.Panel, Img_SR_Rect(1)) == radio[1]; }));
  const auto shows = [&](RECT r, const std::vector<DWORD>& picture) {
    return Wait_For([&] { return d.Pixels(d.Panel, r) == picture; });
  };
  EXPECT_TRUE(shows(Img_SR_Rect(0), radio[0]));
  EXPECT_TRUE(shows(Img_Size_Rect(0), radio[1]));
  EXPECT_TRUE(shows(Img_Size_Rect(1), radio[0]));
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(shows(Img_Kind_Rect(i), check[i % 2 == 0 ? 1 : 0])) << i;
}

TEST_F(Dialog_Options, AStoredValueOfTwoLeavesItsPicturesBlankWithoutAMessage) {
  Saver_Settings s;
  s.Change_Mode = 2;
  s.Kind_Flag = {1, 2, 1, 1};
  Open_Dialog d(L"dialog_two", L"", s);
  ASSERT_NE(d.window, nullptr);
  for (const RECT r : {Img_SR_Rect(0), Img_SR_Rect(1), Img_Kind_Rect(1)})
    EXPECT_TRUE(Wait_For([&] { return d.Pixels(d.Panel, r) == Texture_Under(d.install.Scr(), r); }));
  for (HWND w : Windows_Of(d.scr->Id()))
    if (IsWindowVisible(w)) {
      EXPECT_EQ(w, d.window) << "a message showed";
    }
}

TEST(Dialog_List, TheStoredFoldersPicturesAreListedSortedAndCounted) {
  Dialog_With_Pictures d(L"dialog_list");
  ASSERT_NE(d.window, nullptr);
  EXPECT_EQ(d.Items(), (std::vector<std::wstring>{L"Z.jpg", L"a.wmf", L"b.jpg", L"c.gif", L"d.bmp", L"e.jpg"}));
  EXPECT_EQ(Caption_Of(d, Count_Element), L"6");
}

TEST(Dialog_List, AFileGoneSinceTheListWasBuiltShowsAsAnEmptyLine) {
  Install install(L"dialog_gone");
  Write_Test_Bmp(install.Path(L"a.bmp"), 8, 8, Pattern);
  // The dialog in this process, opened on a list built before one of its files went.
  Quorvantile_B::Pict_List = {L"", install.Path(L"a.bmp"), install.Path(L"gone.bmp")};
  Quorvantile_B::Pict_Count = 2;
  Quorvantile_B::Quorvantile_P d;
  d.Load();
  ASSERT_EQ(d.List_1.List_Count(), 2);
  EXPECT_EQ(d.List_1.Item(0), L"a.bmp");
  EXPECT_EQ(d.List_1.Item(1), L"");
  EXPECT_EQ(d.lbl_Kei.Caption(), L"2");
}

TEST_F(Dialog_Options, PressingAnOptionChangesItsPictureAtOnce) {
  Dialog_With_Pictures d(L"dialog_press");
  ASSERT_NE(d.window, nullptr);
  Load_Artwork(d.install.Scr());
  ASSERT_TRUE(Wait_For([&] { return d.Pixels(d.Panel, Img_SR_Rect(0)) == radio[1]; }));

  d.Click(d.Panel, 340, 62);  // the radio "ﾗﾝﾀﾞﾑ"
  EXPECT_TRUE(Wait_For([&] { return d.Pixels(d.Panel, Img_SR_Rect(1)) == radio[1]; }));
  EXPECT_TRUE(Wait_For([&] { return d.Pixels(d.Panel, Img_SR_Rect(0)) == radio[0]; }));
  d.Click(d.Panel, 360, 45, true);  // the caption "ｼｰｹﾝｼｬﾙ", right button
  EXPECT_TRUE(Wait_For([&] { return d.Pixels(d.Panel, Img_SR_Rect(0)) == radio[1]; }));
  d.Click(d.Panel, 360, 137);  // the caption "ﾌﾙｽｸﾘｰﾝ"
  EXPECT_TRUE(Wait_For([&] { return d.Pixels(d.Panel, Img_Size_Rect(1)) == radio[1]; }));
  EXPECT_TRUE(Wait_For([&] { return d.Pixels(d.Panel, Img_Size_Rect(0)) == radio[0]; }));

  // Every kind off: the list and the count empty. The jpg kind back on: its files are listed again.
  for (int i = 0; i < 4; ++i) d.Click(d.Panel, i % 2 ? 214 : 230, 194 + 16 * i, i == 3);
  EXPECT_TRUE(Wait_For([&] { return d.Pixels(d.Panel, Img_Kind_Rect(3)) == check[0]; }));
  EXPECT_TRUE(d.Items().empty());
  const RECT kei{112, 44, 145, 61};
  EXPECT_TRUE(Wait_For([&] { return d.Pixels(d.Panel, kei) == Expected_Label(L"", 33, 17, Alignment::Right, true, true, {}); }));
  d.Click(d.Panel, 214, 226);  // the check box of "*.jpg"
  EXPECT_TRUE(Wait_For([&] { return d.Items() == std::vector<std::wstring>{L"Z.jpg", L"b.jpg", L"e.jpg"}; }))
      << d.Items().size();
  EXPECT_TRUE(Wait_For([&] { return d.Pixels(d.Panel, Img_Kind_Rect(2)) == check[1]; }));
}

TEST(Dialog_Setup, ASecondStartWhileTheDialogIsOpenEndsAtOnce) {
  Open_Dialog d(L"dialog_twice", L"");
  ASSERT_NE(d.window, nullptr);
  for (const wchar_t* arguments : {L"/c", L"/s"}) {
    Process again(d.install.Scr(), arguments);
    EXPECT_TRUE(again.Wait_Exit().has_value());
  }
  EXPECT_TRUE(d.scr->Running());
}

TEST(Dialog_Setup, TheHandShowsOverClickableControlsOnly) {
  Open_Dialog d(L"dialog_hand", L"");
  ASSERT_NE(d.window, nullptr);
  auto cursor_at = [&](HWND holder, int x, int y) {
    const POINT p = d.On_Screen(holder, x, y);
    Move_Mouse_To(p.x, p.y);
    d.Sync();
    CURSORINFO info{};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return info.hCursor;
  };
  // The pointer follows the mouse once the dialog has taken the move: every check waits for it. The
  // arrow is compared as the dialog's process holds it (each process has its own handle of it).
  HCURSOR arrow = nullptr;
  ASSERT_TRUE(Wait_For([&] {
    const HCURSOR first = cursor_at(d.Panel, 400, 200);  // bare texture
    Sleep(100);
    return (arrow = cursor_at(d.Panel, 400, 200)) == first;
  }));
  HCURSOR hand = nullptr;
  ASSERT_TRUE(Wait_For([&] { return (hand = cursor_at(d.Panel, 214, 194)) != arrow; }));  // a kind's check box
  const auto shows = [&](HWND holder, int x, int y, HCURSOR expected) {
    return Wait_For([&] { return cursor_at(holder, x, y) == expected; });
  };
  EXPECT_TRUE(shows(d.Panel, 230, 210, hand));   // a kind's caption
  EXPECT_TRUE(shows(d.Panel, 60, 50, hand));     // the folder button
  EXPECT_TRUE(shows(d.Panel, 60, 150, hand));    // the file list
  EXPECT_TRUE(shows(d.Pic_C, 100, 378, hand));   // the link
  EXPECT_TRUE(shows(d.Panel, 240, 100, arrow));  // the preview pane
  EXPECT_TRUE(shows(d.Pic_C, 60, 345, arrow));   // the credit line
  EXPECT_TRUE(shows(d.Panel, 360, 62, hand));    // a radio's caption
}
