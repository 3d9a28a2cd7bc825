// The settings dialog's folder choice, preview, buttons and link, driven as a person would, and a round
// trip from a fresh install through the dialog to the saver.
#include <gtest/gtest.h>

#include <set>

#include "resources/resource_ids.h"
#include "tests/wine/dialog_fixture.h"
#include "tests/wine/ini_bytes.h"
#include "toolkit/gdi.h"
#include "toolkit/picture.h"

using namespace driver;
using toolkit::Alignment;

namespace {

std::string Settings_Text(const Install& install) { return Without_Sign_Blanks(Read_Bytes(install.Ini())); }

std::string Expected_File(int change, int size, const std::string& folder, std::array<int, 4> kinds) {
  std::string text = "[Section]\r\n" + Key::Change + "=" + std::to_string(change) + "\r\n" + Key::Size + "=" +
                     std::to_string(size) + "\r\n" + Key::Folder + "=" + folder + "\r\n";
  for (int i = 0; i < 4; ++i) text += Key::Kind(i) + "=" + std::to_string(kinds[static_cast<std::size_t>(i)]) + "\r\n";
  return text;
}

FILETIME Modified(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return data.ftLastWriteTime;
}

// Pictures for the preview: pattern bitmaps of the given sizes and one file that is no picture.
void Preview_Pictures(const Install& install) {
  const std::wstring folder = install.Path(L"pics");
  CreateDirectoryW(folder.c_str(), nullptr);
  for (const auto& [w, h] : {std::pair{640, 480}, std::pair{480, 640}, std::pair{300, 300}, std::pair{150, 100}})
    Write_Test_Bmp(folder + L"\\p" + std::to_wstring(w) + L"x" + std::to_wstring(h) + L".bmp", w, h, Pattern);
  Write_Bytes(folder + L"\\zz-broken.bmp", "this is no picture");
}

// Clicks the list's item with this name, and waits until the list has taken the click.
void Click_Item(const Open_Dialog& d, const std::wstring& name) {
  const auto items = d.Items();
  const auto at = std::find(items.begin(), items.end(), name) - items.begin();
  const auto height = static_cast<int>(SendMessageW(d.List, LB_GETITEMHEIGHT, 0, 0));
  const POINT p = d.On_Screen(d.List, 20, static_cast<int>(at) * height + height / 2);
  Click_At(p.x, p.y);
  EXPECT_TRUE(Wait_For([&] { return SendMessageW(d.List, LB_GETCURSEL, 0, 0) == at; }));
  d.Sync();
}

// How the pane shows a picture file: stretched with rows and columns dropped, then the raised edge.
std::vector<DWORD> Expected_Pane(const std::wstring& path, int pane_w, int pane_h) {
  const auto picture = toolkit::Picture::From_File(path);
  const int w = picture->Width(), h = picture->Height();
  const auto full = Draw_To_Pixels(w, h, [&](HDC dc) { picture->Render(dc, 0, 0, w, h); });
  return Draw_To_Pixels(pane_w, pane_h, [&](HDC dc) {
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, pane_w, pane_h, 0, 0, w, h, full.data(), &bi, DIB_RGB_COLORS, SRCCOPY);
    RECT r{0, 0, pane_w, pane_h};
    DrawEdge(dc, &r, EDGE_RAISED, BF_RECT);
  });
}

// The pointer the dialog's thread shows now, and the one it shows once it has handled a move of the mouse by a
// pixel. Input is handled in order, so once the Tab that follows the move has moved the focus, the move is done.
std::pair<HCURSOR, HCURSOR> Pointer_Now_And_After_A_Move(const Open_Dialog& d) {
  const auto shown = [] {
    CURSORINFO info{sizeof info};
    GetCursorInfo(&info);
    return info.hCursor;
  };
  const auto focus = [&] {
    GUITHREADINFO info{sizeof info};
    GetGUIThreadInfo(GetWindowThreadProcessId(d.List, nullptr), &info);
    return info.hwndFocus;
  };
  const HCURSOR now = shown();
  const HWND focused = focus();
  POINT p{};
  GetCursorPos(&p);
  Mouse_Input(p.x + 1, p.y, MOUSEEVENTF_MOVE);
  Press_Key(VK_TAB);
  EXPECT_TRUE(Wait_For([&] { return focus() != focused; }));
  return {now, shown()};
}

RECT Pane_Size(const Open_Dialog& d) {
  RECT r{};
  GetClientRect(d.Pane, &r);
  return r;
}

const RECT Pre_Size{192, 36, 293, 49};

bool Shows_Size(const Open_Dialog& d, const std::wstring& text) {
  return d.Pixels(d.Panel, Pre_Size) ==
         Expected_Label(text, 101, 13, Alignment::Center, false, false, Texture_Under(d.install.Scr(), Pre_Size));
}

}  // namespace

TEST(Dialog_Buttons, SetWritesEveryKeyAsShownAndEnds) {
  Open_Dialog d(L"buttons_set", L"C:\\qvtest\\buttons_set\\pics", {}, Preview_Pictures);
  ASSERT_NE(d.window, nullptr);
  d.Click(d.Panel, 340, 62);   // ﾗﾝﾀﾞﾑ
  d.Click(d.Panel, 338, 138);  // ﾌﾙｽｸﾘｰﾝ
  d.Click(d.Panel, 214, 210);  // *.gif off
  d.Click(d.Pic_C, 280, 350);  // 設定
  ASSERT_TRUE(d.Ended());
  EXPECT_EQ(Settings_Text(d.install), Expected_File(1, 1, "C:\\qvtest\\buttons_set\\pics", {1, 0, 1, 1}));
}

TEST(Dialog_Buttons, CancelAndTheCloseBoxLeaveTheFileUntouched) {
  for (const bool close_box : {false, true}) {
    Open_Dialog d(L"buttons_cancel", L"C:\\somewhere");
    ASSERT_NE(d.window, nullptr);
    const auto before = Read_Bytes(d.install.Ini());
    const FILETIME modified = Modified(d.install.Ini());
    d.Click(d.Panel, 340, 62);  // a change in memory only
    if (close_box)
      PostMessageW(d.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    else
      d.Click(d.Pic_C, 388, 350);  // ｷｬﾝｾﾙ
    ASSERT_TRUE(d.Ended());
    EXPECT_EQ(Read_Bytes(d.install.Ini()), before);
    const FILETIME after = Modified(d.install.Ini());
    EXPECT_EQ(CompareFileTime(&modified, &after), 0);
  }
}

TEST(Dialog_Buttons, ClearEmptiesTheFolderButKeepsThePreview) {
  Open_Dialog d(L"buttons_clear", L"C:\\qvtest\\buttons_clear\\pics", {}, Preview_Pictures);
  ASSERT_NE(d.window, nullptr);
  Click_Item(d, L"p640x480.bmp");
  ASSERT_TRUE(Wait_For([&] { return Pane_Size(d).bottom == 75; }));
  const auto preview = d.Pixels(d.Pane, {0, 0, 100, 75});
  d.Click(d.Panel, 240, 266);  // ｸﾘｱ
  EXPECT_TRUE(Wait_For([&] { return d.Items().empty(); }));
  EXPECT_TRUE(Wait_For([&] { return d.Pixels(d.Pane, {0, 0, 100, 75}) == preview; }));
  EXPECT_TRUE(Shows_Size(d, L"640 * 480"));
  d.Click(d.Pic_C, 280, 350);  // 設定
  ASSERT_TRUE(d.Ended());
  EXPECT_EQ(Settings_Text(d.install), Expected_File(0, 0, "", {1, 1, 1, 1}));
}

TEST(Dialog_Buttons, EnterSetsAndEscapeCancels) {
  // The folder shown is not usable, so the dialog shows none: Enter stores none, Esc leaves the file.
  for (const auto& [key, expected] : {std::pair{VK_ESCAPE, Expected_File(0, 0, "C:\\somewhere", {1, 1, 1, 1})},
                                      std::pair{VK_RETURN, Expected_File(0, 1, "", {1, 1, 1, 1})}}) {
    Open_Dialog d(L"buttons_keys", L"C:\\somewhere");
    ASSERT_NE(d.window, nullptr);
    ASSERT_TRUE(Wait_For([&] { return GetForegroundWindow() == d.window; }));
    d.Click(d.Panel, 338, 138);  // ﾌﾙｽｸﾘｰﾝ
    Press_Key(static_cast<WORD>(key));
    ASSERT_TRUE(d.Ended());
    EXPECT_EQ(Settings_Text(d.install), expected);
  }
}

TEST(Dialog_Preview, ThePaneFitsThePictureIntoOneHundredPixels) {
  Open_Dialog d(L"preview_fit", L"C:\\qvtest\\preview_fit\\pics", {}, Preview_Pictures);
  ASSERT_NE(d.window, nullptr);
  struct Case {
    const wchar_t* Name;
    int W, H;
    const wchar_t* Size;
  };
  for (const Case c : {Case{L"p640x480.bmp", 100, 75, L"640 * 480"}, Case{L"p480x640.bmp", 75, 100, L"480 * 640"},
                       Case{L"p300x300.bmp", 100, 100, L"300 * 300"}, Case{L"p150x100.bmp", 100, 67, L"150 * 100"}}) {
    SCOPED_TRACE(testing::Message() << c.W << " x " << c.H);
    Click_Item(d, c.Name);
    const auto expected = Expected_Pane(d.install.Path(L"pics\\") + c.Name, c.W, c.H);
    EXPECT_TRUE(Wait_For([&] {
      const RECT r = Pane_Size(d);
      return r.right == c.W && r.bottom == c.H && d.Pixels(d.Pane, r) == expected;
    }));
    EXPECT_TRUE(Wait_For([&] { return Shows_Size(d, c.Size); }));
    // Once the preview has shown, the pointer over the list is the hand again without the mouse moving.
    d.Sync();
    const auto [now, after] = Pointer_Now_And_After_A_Move(d);
    EXPECT_EQ(now, after);
  }
  // A file that cannot be decoded leaves the last picture in the pane.
  const auto last = d.Pixels(d.Pane, Pane_Size(d));
  Click_Item(d, L"zz-broken.bmp");
  EXPECT_TRUE(Wait_For([&] { return IsWindowVisible(d.Pane) && d.Pixels(d.Pane, Pane_Size(d)) == last; }));
  EXPECT_TRUE(Shows_Size(d, L"150 * 100"));
}

TEST(Dialog_Preview, ADriveRootFolderStillPreviews) {
  Write_Test_Bmp(L"R:\\root.bmp", 200, 100, Pattern);
  Open_Dialog d(L"preview_root", L"R:\\");
  ASSERT_NE(d.window, nullptr);
  EXPECT_EQ(d.Items(), std::vector<std::wstring>{L"root.bmp"});
  Click_Item(d, L"root.bmp");
  EXPECT_TRUE(Wait_For([&] { return Shows_Size(d, L"200 * 100"); }));
  EXPECT_EQ(Pane_Size(d).bottom, 50);
  d.scr.reset();
  DeleteFileW(L"R:\\root.bmp");
}

TEST(Dialog_Link, TheLinkOpensTheMakersPageOnAnyButton) {
  Open_Dialog d(L"link", L"");
  ASSERT_NE(d.window, nullptr);
  // A browser of the test's own takes the address's scheme while the test runs.
  const std::wstring handler = d.install.Path(L"qv_url_handler.exe");
  CopyFileW((Build_Dir() + L"\\standins\\qv_url_handler.exe").c_str(), handler.c_str(), FALSE);
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"https\\shell\\open\\command", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  wchar_t browser[1024] = {};
  DWORD size = sizeof browser;
  const bool had_browser = RegQueryValueExW(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(browser), &size) == ERROR_SUCCESS;
  const std::wstring command = L"\"" + handler + L"\" \"%1\"";
  RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                 static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));

  d.Click(d.Pic_C, 60, 378, true);  // released over the link with the right button
  const std::wstring opened = d.install.Path(L"opened.txt");
  EXPECT_TRUE(Wait_For([&] { return Exists(opened); }));
  const auto text = Read_Bytes(opened);
  EXPECT_NE(std::string(text.begin(), text.end()).find("https://k-vorn.example.jp/works/"), std::string::npos);
  EXPECT_TRUE(d.scr->Running());
  if (had_browser)
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(browser), size);
  RegCloseKey(key);
}

TEST(Dialog_Chooser, ACancelledChooserChangesNothing) {
  Open_Dialog d(L"chooser_cancel", L"C:\\qvtest\\chooser_cancel\\pics", {}, Preview_Pictures);
  ASSERT_NE(d.window, nullptr);
  const auto items = d.Items();
  const RECT label{12, 284, 409, 305};
  const auto folder_shown = d.Pixels(d.Panel, label);
  d.Click(d.Panel, 60, 50);  // ﾌｫﾙﾀﾞ指定...
  HWND chooser = nullptr;
  ASSERT_TRUE(Wait_For([&] { return (chooser = Visible_Dialog_Box(d.scr->Id())) != nullptr; }));
  EXPECT_TRUE(Wait_For([&] { return GetForegroundWindow() == chooser; }));
  Press_Key(VK_ESCAPE);
  ASSERT_TRUE(Wait_For([&] { return !IsWindow(chooser); }));
  d.Sync();
  EXPECT_EQ(d.Items(), items);
  EXPECT_TRUE(Wait_For([&] { return d.Pixels(d.Panel, label) == folder_shown; }));
  d.Click(d.Pic_C, 280, 350);  // 設定: the stored folder stays
  ASSERT_TRUE(d.Ended());
  EXPECT_EQ(Settings_Text(d.install), Expected_File(0, 0, "C:\\qvtest\\chooser_cancel\\pics", {1, 1, 1, 1}));
}

// tools/wine-bench.sh puts "qvlong" on the desktop: 10,000 bmp and 10,000 jpg files, a scan of a second or two.
TEST(Dialog_Chooser, TheCountClimbsOnScreenAndEndsOnTheNumberListed) {
  Open_Dialog d(L"chooser_count", L"");
  ASSERT_NE(d.window, nullptr);
  const RECT kei{112, 44, 145, 61};
  std::set<std::vector<DWORD>> shown;
  Choose_Desktop_Folder(d, L"qvlong");
  EXPECT_TRUE(Wait_For([&] {
    shown.insert(d.Pixels(d.Panel, kei));
    return d.Items().size() == 20000;
  }));
  EXPECT_GE(shown.size(), 4u) << "the count did not show the scan's progress";
  EXPECT_EQ(Caption_Of(d, Count_Element), L"20000");
}

TEST(Dialog_Chooser, ClearOrEscInTheMiddleOfAScanStopsItAtOnce) {
  Open_Dialog d(L"chooser_stop", L"C:\\somewhere");
  ASSERT_NE(d.window, nullptr);
  const auto before = Read_Bytes(d.install.Ini());
  const auto scanning = [&] { return !Caption_Of(d, Count_Element).empty() && d.Items().empty(); };
  Choose_Desktop_Folder(d, L"qvlong");
  ASSERT_TRUE(Wait_For(scanning));
  d.Click(d.Panel, 240, 266);  // ｸﾘｱ
  // Each sync passes a yield of the scan, were it still running, and it would count again.
  for (int i = 0; i < 3; ++i) d.Sync();
  EXPECT_EQ(Caption_Of(d, Count_Element), L"");
  EXPECT_TRUE(d.Items().empty());

  Choose_Desktop_Folder(d, L"qvlong");
  ASSERT_TRUE(Wait_For(scanning));
  Press_Key(VK_ESCAPE);
  EXPECT_TRUE(d.Ended(5000));
  EXPECT_EQ(Read_Bytes(d.install.Ini()), before);
}

// Korean is beyond the Japanese code page in which the settings file is written.
TEST(Dialog_Chooser, AFolderNameTheCodePageCannotHoldIsStoredShortAndShownLong) {
  const std::wstring folder = Desktop_Folder(L"qvkr사진");
  Write_Test_Bmp(folder + L"\\a.bmp", 8, 8, Pattern);
  {
    Open_Dialog d(L"short_path", L"");
    ASSERT_NE(d.window, nullptr);
    Choose_Desktop_Folder(d, L"qvkr");
    ASSERT_TRUE(Wait_For([&] { return d.Items().size() == 1; }));
    d.Click(d.Pic_C, 280, 350);  // 設定
    ASSERT_TRUE(d.Ended());
  }
  const std::string file = Without_Sign_Blanks(Read_Bytes(L"C:\\qvtest\\short_path\\Quorvantile.ini"));
  const auto at = file.find(Key::Folder + "="), end = file.find("\r\n", at);
  const std::string stored = file.substr(at + Key::Folder.size() + 1, end - at - Key::Folder.size() - 1);
  wchar_t long_form[MAX_PATH] = {};
  GetLongPathNameW(std::wstring(stored.begin(), stored.end()).c_str(), long_form, MAX_PATH);
  EXPECT_EQ(long_form, folder) << stored;

  // Read back, the short form finds the pictures, and the dialog shows the long one.
  Open_Dialog shown(L"short_path_again", L"", {}, [](const Install& install) {
    CopyFileW(L"C:\\qvtest\\short_path\\Quorvantile.ini", install.Ini().c_str(), FALSE);
  });
  ASSERT_NE(shown.window, nullptr);
  EXPECT_EQ(shown.Items(), std::vector<std::wstring>{L"a.bmp"});
  EXPECT_EQ(Caption_Of(shown, Folder_Element), folder);
  Remove_Tree(folder);
}

TEST(Dialog_Chooser, AChosenFolderIsListedInScanOrderAndARoundTripReachesTheSaver) {
  const std::wstring folder = Desktop_Folder(L"qvchosen");
  // Each picture is told by its colour in any of the three passes.
  const DWORD colours[3] = {0x2020D0, 0x20D020, 0xD02020};
  const wchar_t* names[3] = {L"a-blue.bmp", L"b-green.bmp", L"c-red.bmp"};
  for (int i = 0; i < 3; ++i)
    Write_Test_Bmp(folder + L"\\" + names[i], 300, 200, [&](int, int) { return colours[i]; });
  Write_Bytes(folder + L"\\0.gif", "x");

  // A fresh install: no settings file at all.
  Open_Dialog d(L"round_trip", L"", {}, [](const Install& install) { DeleteFileW(install.Ini().c_str()); });
  ASSERT_NE(d.window, nullptr);
  Choose_Desktop_Folder(d, L"qvchosen");
  // Scan order: kind by kind, so the gif file comes after the bitmaps although its name sorts first.
  ASSERT_TRUE(Wait_For([&] { return d.Items().size() == 4; }));
  EXPECT_EQ(d.Items().back(), L"0.gif");
  d.Click(d.Panel, 230, 210);  // *.gif off
  d.Click(d.Panel, 338, 138);  // ﾌﾙｽｸﾘｰﾝ
  d.Click(d.Pic_C, 280, 350);  // 設定
  ASSERT_TRUE(d.Ended());

  // The saver shows the chosen folder's pictures in sorted order, one after another.
  Process saver(d.install.Scr(), L"/s");
  ASSERT_NE(Wait_For_Window(saver.Id(), L"Quorvantile_Main"), nullptr);
  auto picture_of = [&](DWORD c) {
    for (int i = 0; i < 3; ++i) {
      const DWORD p = colours[i];
      const int r = static_cast<int>(p >> 16), g = static_cast<int>((p >> 8) & 0xFF), b = static_cast<int>(p & 0xFF);
      const DWORD m = static_cast<DWORD>((r + g + b + 1) / 3);
      if (c == p || c == ((m << 16) | (m << 8) | static_cast<DWORD>(b)) ||
          c == ((m << 16) | static_cast<DWORD>(g << 8) | static_cast<DWORD>(b)))
        return i;
    }
    return -1;
  };
  const RECT centre{511, 383, 512, 384};
  std::vector<int> seen;
  EXPECT_TRUE(Wait_For(
      [&] {
        const int p = picture_of(Capture_Screen(centre)[0]);
        if (p >= 0 && (seen.empty() || seen.back() != p)) seen.push_back(p);
        return seen.size() >= 4;
      },
      60000));
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 0}));
  Remove_Tree(folder);
}
