// The settings dialog, driven as a person would: its list, buttons and preview, and a scan that the user stops.
#include <gtest/gtest.h>
#include <oleacc.h>

#include "dialog/quorvantile_p.h"
#include "tests/wine/fixtures.h"

using namespace driver;

namespace {

// An option pressed on the panel, and the panel's element that shows it taken: checked or not, or for ｸﾘｱ the
// folder emptied. Each press is seen through before the next: a click may wait while the dialog works.
struct Option {
  POINT At;
  int Element;
  bool Checked;
};
const Option Random{{340, 62}, 6, true}, Full_Screen{{360, 137}, 8, true}, No_Gif{{214, 210}, 1, false},
    No_Png{{270, 194}, 4, false}, Clear{{240, 266}, Folder_Element, false}, Sub_On{{340, 294}, Subfolders_Element, true},
    Sub_Off{{320, 294}, Subfolders_Element, false};
void Press(const Open_Dialog& d, const Option& o) {
  d.Click(d.Panel, o.At.x, o.At.y);
  EXPECT_TRUE(Wait_For([&] {
    const auto all = Panel_Elements(d);
    const auto i = static_cast<std::size_t>(o.Element);
    return i < all.size() && (o.Element == Folder_Element ? all[i].Name.empty()
                                                          : ((all[i].State & STATE_SYSTEM_CHECKED) != 0) == o.Checked);
  }));
}
constexpr POINT Set{280, 350}, Cancel{388, 350};  // on Pic_C

// A picture in four coloured quarters: whatever the stretch, the pane shows each in its own corner.
DWORD Quarters(int x, int y, int w, int h) { return Quarter_Colours[(x >= w / 2) + 2 * (y >= h / 2)]; }

}  // namespace

// The reveal's length and the hold, which the dialog does not show, are written back as they were read; a file of an
// older saver, without them, gets their defaults.
TEST(Dialog_Buttons, SetWritesEverySettingAsShownAndTheOthersWriteNothing) {
  struct Case {
    const char* What;
    std::vector<Option> Options;
    std::function<void(Open_Dialog&)> End;
    std::optional<std::string> Written;  // none: the file stays as it was; empty: nothing could be written
    Saver_Settings Stored{};
  };
  const std::string pics = "C:\\qvtest\\buttons\\pics";
  const auto click = [](POINT p) { return [p](Open_Dialog& d) { d.Click(d.Pic_C, p.x, p.y); }; };
  const auto key = [](WORD k) { return [k](Open_Dialog&) { Press_Key(k); }; };
  const Saver_Settings timed{0, 0, {1, 1, 1, 1, 1}, 7, 3}, older{0, 0, {1, 1, 1, 1, 1}, {}, {}, {}},
      subfolders{0, 0, {1, 1, 1, 1, 1}, 0, 0, 1};
  const Case cases[] = {
      {"設定", {Random, Full_Screen, No_Gif, No_Png, Clear}, click(Set), Expected_File("", {1, 1, {1, 0, 1, 1, 0}})},
      {"Enter", {Full_Screen}, key(VK_RETURN), Expected_File(pics, {0, 1})},
      {"設定 with the times set", {}, click(Set), Expected_File(pics, timed), timed},
      {"設定 on an older saver's file", {}, click(Set), Expected_File(pics, {0, 0, {1, 1, 1, 1, 1}, 30, 10}), older},
      {"subfolders switched on", {Sub_On}, click(Set), Expected_File(pics, subfolders)},
      {"subfolders read, switched off", {Sub_Off}, click(Set), Expected_File(pics), subfolders},
      {"ｷｬﾝｾﾙ", {Random}, click(Cancel), {}},
      {"Esc", {Random}, key(VK_ESCAPE), {}},
      {"the close box", {Random}, [](Open_Dialog& d) { PostMessageW(d.window, WM_SYSCOMMAND, SC_CLOSE, 0); }, {}},
      // The bench runs as root, whom no permission stops; a folder in the file's place stops anyone.
      {"設定 to a file that cannot be written",
       {},
       [](Open_Dialog& d) {
         DeleteFileW(d.install.Ini().c_str());
         CreateDirectoryW(d.install.Ini().c_str(), nullptr);
         d.Click(d.Pic_C, Set.x, Set.y);
       },
       ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    Open_Dialog d(L"buttons", L"C:\\qvtest\\buttons\\pics", c.Stored, [](const Install& install) {
      CreateDirectoryW(install.Path(L"pics").c_str(), nullptr);
      Write_Bytes(install.Path(L"pics\\a.gif"), "x");
    });
    ASSERT_NE(d.window, nullptr);
    const auto before = Read_Text(d.install.Ini());
    for (const Option& o : c.Options) Press(d, o);
    c.End(d);
    ASSERT_TRUE(d.Ended());
    if (c.Written && c.Written->empty()) {
      // The dialog closed as usual, and the folder in the file's place is still a folder, holding nothing.
      const DWORD attributes = GetFileAttributesW(d.install.Ini().c_str());
      EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
      continue;
    }
    EXPECT_EQ(c.Written ? Settings_Text(d.install.Ini()) : Read_Text(d.install.Ini()), c.Written.value_or(before));
  }
}

// A photo stored on its side shows upright, with its upright size.
TEST(Dialog_Preview, ThePaneFitsThePictureIntoOneHundredPixelsAndKeepsItWhenNoneFollows) {
  const struct {
    const wchar_t* Name;
    int W, H, Pane_W, Pane_H;
  } sizes[] = {{L"portrait6.jpg", 240, 320, 75, 100},
               {L"p640.bmp", 640, 480, 100, 75},
               {L"p480.bmp", 480, 640, 75, 100},
               {L"p300.bmp", 300, 300, 100, 100},
               {L"p150.bmp", 150, 100, 100, 67}};
  Open_Dialog d(L"preview", L"C:\\qvtest\\preview\\pics", {}, [&](const Install& install) {
    CreateDirectoryW(install.Path(L"pics").c_str(), nullptr);
    CopyFileW(Portrait.c_str(), install.Path(L"pics\\portrait6.jpg").c_str(), FALSE);
    for (const auto& [name, w, h, pane_w, pane_h] : sizes)
      if (std::wstring(name).ends_with(L".bmp"))
        Write_Test_Bmp(install.Path(L"pics\\") + name, w, h,
                       [w = w, h = h](int x, int y) { return Quarters(x, y, w, h); });
    Write_Bytes(install.Path(L"pics\\zz-broken.bmp"), "this is no picture");
  });
  ASSERT_NE(d.window, nullptr);
  // The dialog's two pointers: the hand over a kind's caption, the arrow over the panel's bare texture.
  const auto on_panel = [&](int x, int y) {
    POINT p{x, y};
    ClientToScreen(d.Panel, &p);
    return Pointer_After_Move(p.x, p.y);
  };
  const HCURSOR hand = on_panel(234, 194);
  ASSERT_NE(hand, on_panel(380, 200));
  for (const auto& [name, w, h, pane_w, pane_h] : sizes) {
    SCOPED_TRACE(testing::Message() << w << " x " << h);
    d.Click_Item(name);
    EXPECT_TRUE(Wait_For(
        [&, w = w, h = h] { return Caption_Of(d, Size_Element) == std::to_wstring(w) + L" * " + std::to_wstring(h); }));
    RECT r{};
    GetClientRect(d.Pane, &r);
    ASSERT_EQ((std::array{r.right, r.bottom}), (std::array<LONG, 2>{pane_w, pane_h}));
    EXPECT_TRUE(Wait_For([&, pane_w = pane_w, pane_h = pane_h] {
      const auto shown = d.Pixels(d.Pane, r);
      bool quarters = true;
      for (const int x : {pane_w / 4, 3 * pane_w / 4})
        for (const int y : {pane_h / 4, 3 * pane_h / 4})
          quarters &= Near(shown[static_cast<std::size_t>(y * pane_w + x)], Quarters(x, y, pane_w, pane_h));
      return quarters;
    }));
    // The hand is back over the list at once, not only once the mouse moves.
    EXPECT_EQ(Pointer().hCursor, hand);
  }
  // A file that cannot be decoded, then ｸﾘｱ: the last picture and its size stay.
  const auto last = d.Pixels(d.Pane, {0, 0, 100, 67});
  d.Click_Item(L"zz-broken.bmp");
  Press(d, Clear);
  EXPECT_TRUE(Wait_For([&] { return d.Items().empty() && d.Pixels(d.Pane, {0, 0, 100, 67}) == last; }));
  EXPECT_EQ(Caption_Of(d, Size_Element), L"150 * 100");
}

// A scan lists kind by kind in the search's order (all of a kind are found in one pass under Wine, which marks
// every file archived) and counts; a kind switched off, or the subfolders on, rebuilds the list, sorted; a cancelled
// chooser keeps all.
TEST(Dialog_Chooser, AScanListsKindByKindAToggleRebuildsAndACancelKeeps) {
  const std::wstring folder = Desktop_Folder(L"qvorder");
  CreateDirectoryW((folder + L"\\sub").c_str(), nullptr);
  for (const wchar_t* name : {L"a.jpg", L"b.gif", L"c.bmp", L"sub\\d.jpg"}) Write_Bytes(folder + L"\\" + name, "x");
  Open_Dialog d(L"chooser", L"C:\\somewhere");
  ASSERT_NE(d.window, nullptr);
  const auto shown = [&](const std::vector<std::wstring>& items, const wchar_t* count) {
    return Wait_For([&] { return d.Items() == items && Caption_Of(d, Count_Element) == count; });
  };
  ASSERT_TRUE(Choose_Desktop_Folder(d, L"qvorder"));
  EXPECT_TRUE(shown({L"c.bmp", L"b.gif", L"a.jpg"}, L"3"));
  Press(d, No_Gif);
  EXPECT_TRUE(shown({L"a.jpg", L"c.bmp"}, L"2"));
  Press(d, Sub_On);  // each name below the folder chosen
  EXPECT_TRUE(shown({L"a.jpg", L"c.bmp", L"sub\\d.jpg"}, L"3"));
  const std::wstring chosen = Caption_Of(d, Folder_Element);
  ASSERT_TRUE(Choose_Desktop_Folder(d, L""));
  EXPECT_EQ(Caption_Of(d, Folder_Element), chosen);
  EXPECT_TRUE(shown({L"a.jpg", L"c.bmp", L"sub\\d.jpg"}, L"3"));
  Remove_Tree(folder);
}

// The dialog in this process, where its loop is run a round at a time: the list it fills when it opens is under way
// after one round, and ｸﾘｱ then stops it; nothing of it comes afterwards, where without ｸﾘｱ the list is filled.
TEST(Dialog_Work, ClearStopsTheListUnderWayAndNothingOfItComesAfter) {
  const std::wstring pics = Install(L"dialog_work").Path(L"");
  for (int i = 0; i < 2000; ++i) Write_Bytes(pics + L"p" + std::to_wstring(i) + L".gif", "x");
  toolkit::App app;
  const auto rounds = [&app](int n) { app.Run_Until([&n] { return n-- == 0; }); };
  for (const bool clear : {true, false}) {
    SCOPED_TRACE(clear ? "cleared" : "left alone");
    Quorvantile_B::Settings settings;
    settings.Pict_Folder = pics.substr(0, pics.size() - 1);
    Quorvantile_B::Quorvantile_P dialog(app, settings);
    dialog.Load();
    dialog.Show_As_Dialog();
    const Dialog_View d(dialog.Hwnd());
    rounds(1);
    ASSERT_EQ(SendMessageW(d.List, LB_GETCOUNT, 0, 0), 0);
    if (clear) {
      const HWND button = FindWindowExW(d.Panel, nullptr, L"Button", L"ｸﾘｱ");
      SendMessageW(button, WM_KEYDOWN, VK_SPACE, 0);
      SendMessageW(button, WM_KEYUP, VK_SPACE, 0);
    }
    rounds(100);
    EXPECT_EQ(SendMessageW(d.List, LB_GETCOUNT, 0, 0), clear ? 0 : 2000);
    EXPECT_EQ(Caption_Of(d, Count_Element), clear ? L"" : L"2000");
  }
}
