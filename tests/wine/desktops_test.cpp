// Today's desktops: the saver and the settings dialog at 144 and 192 dpi (run in those configurations), and
// the saver on two monitors side by side (run in the two-monitor configuration).
#include <gtest/gtest.h>

#include <algorithm>

#include "dialog/quorvantile_p.h"
#include "tests/wine/driver.h"
#include "tests/wine/saver_fixture.h"
#include "toolkit/gdi.h"
#include "toolkit/pointer.h"
#include "toolkit/screen.h"
#include "toolkit/system_text.h"

using namespace driver;

namespace {

constexpr DWORD Colour = 0x3080C0;  // far from black and from white
// The colours a pixel of that colour takes in the three passes.
const std::vector<DWORD> Painted{0x7B7BC0, 0x7B80C0, Colour};

// The saver started with /s on one picture of one colour, fitted to the screen.
struct Full_Screen_Saver {
  explicit Full_Screen_Saver(const std::wstring& name) : install(name) {
    Saver_Settings fitted;
    fitted.Size_Mode = 1;
    Install_Pictures(install, {{L"one.bmp", 640, 480, [](int, int) { return Colour; }}}, fitted);
    scr.emplace(install.Scr(), L"/s");
    window = Wait_For_Window(scr->Id(), L"Quorvantile_Main");
  }
  Install install;
  std::optional<Process> scr;
  HWND window = nullptr;
};

bool None_Of(const std::vector<DWORD>& pixels, DWORD v) { return std::count(pixels.begin(), pixels.end(), v) == 0; }

RECT Rect_In(HWND child, HWND holder) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, holder, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The rectangle (x, y, w, h) of the 96-dpi layout at dpi, every edge scaled.
RECT Scaled(int x, int y, int w, int h, int dpi) {
  return {MulDiv(x, dpi, 96), MulDiv(y, dpi, 96), MulDiv(x + w, dpi, 96), MulDiv(y + h, dpi, 96)};
}

void Expect_Laid_Out(Quorvantile_B::Quorvantile_P& d, int dpi) {
  RECT client{};
  GetClientRect(d.Hwnd(), &client);
  EXPECT_EQ(client.right, MulDiv(453, dpi, 96));
  EXPECT_EQ(client.bottom, MulDiv(405, dpi, 96));
  for (const auto& [child, expected] : {std::pair{d.List_1.Control_Hwnd(), Scaled(12, 68, 169, 212, dpi)},
                                        std::pair{d.Cmd_Button[1].Hwnd(), Scaled(192, 256, 97, 21, dpi)},
                                        std::pair{d.Pic_K.Hwnd(), Scaled(192, 52, 100, 100, dpi)}}) {
    const RECT r = Rect_In(child, d.Pic_1.Hwnd());
    EXPECT_TRUE(EqualRect(&r, &expected)) << r.left << "," << r.top << " " << r.right << "," << r.bottom;
  }
  EXPECT_EQ(d.List_Extent, MulDiv(311, dpi, 96));
  EXPECT_EQ(d.Pic_Button.Width(), MulDiv(103, dpi, 96));  // the button face
  EXPECT_EQ(d.Img_Kind[0].Rect().right - d.Img_Kind[0].Rect().left, MulDiv(220, dpi, 96) - MulDiv(208, dpi, 96));
}

int Text_Width(HFONT font, const std::wstring& text) {
  const toolkit::Window_Dc screen(nullptr);
  const toolkit::Selection selected(screen.Get(), font);
  SIZE size{};
  GetTextExtentPoint32W(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

}  // namespace

TEST(Dpi, TheSaverPaintsTheWholeScreen) {
  ASSERT_GT(toolkit::System_Dpi(), 96) << "run at 144 or 192 dpi";
  Full_Screen_Saver saver(L"dpi_saver");
  ASSERT_NE(saver.window, nullptr);
  // The last columns and rows: white canvas or painting, never the black beyond a canvas too small.
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  const RECT right{w - 2, 0, w, h}, bottom{0, h - 2, w, h};
  EXPECT_TRUE(Wait_For([&] { return None_Of(Capture_Screen(right), 0) && None_Of(Capture_Screen(bottom), 0); }));
  PostMessageW(saver.window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(saver.scr->Wait_Exit().has_value());
}

// The dialog in this process, where its controls can be measured.
TEST(Dpi, TheDialogScalesAndItsCaptionsFitAsAt96) {
  const int dpi = toolkit::System_Dpi();
  ASSERT_GT(dpi, 96) << "run at 144 or 192 dpi";
  Quorvantile_B::Quorvantile_P d;
  d.Load();
  Expect_Laid_Out(d, dpi);
  ICONINFO hand{};
  ASSERT_TRUE(GetIconInfo(toolkit::Hand_Cursor(dpi), &hand));
  BITMAP mask{};
  GetObjectW(hand.hbmMask, sizeof mask, &mask);
  EXPECT_EQ(mask.bmWidth, MulDiv(32, dpi, 96));
  DeleteObject(hand.hbmMask);
  if (hand.hbmColor) DeleteObject(hand.hbmColor);

  // Each caption overflows its box no more, in proportion, than the same caption does at 96 dpi (the bench's
  // stand-in font is wider than the system's), give or take a glyph's rounding.
  const toolkit::Font font_96(toolkit::Create_Font(-13, false, SHIFTJIS_CHARSET, L"ＭＳ Ｐゴシック"));
  auto expect_fits = [&](const std::wstring& caption, HFONT font, int width) {
    const int width_96 = MulDiv(width, 96, dpi), over_96 = std::max(0, Text_Width(font_96.Get(), caption) - width_96);
    EXPECT_LE(Text_Width(font, caption) - width, MulDiv(over_96 + 2, dpi, 96)) << toolkit::To_Ansi(caption);
  };
  std::vector<toolkit::Label*> captions{&d.lbl[6], &d.lbl[8], &d.lbl[9], &d.lbl[10], &d.lbl[11], &d.lbl[12], &d.lbl[13]};
  for (auto* group : {&d.lbl_RS, &d.lbl_Size})
    for (auto& l : *group) captions.push_back(&l);
  for (auto& l : d.lbl_Kind) captions.push_back(&l);
  for (const toolkit::Label* l : captions) expect_fits(l->Caption(), l->Font, l->Rect().right - l->Rect().left);
  for (const auto& b : d.Cmd_Button) {
    RECT r{};
    GetClientRect(b.Hwnd(), &r);
    expect_fits(b.Caption(), reinterpret_cast<HFONT>(SendMessageW(d.List_1.Control_Hwnd(), WM_GETFONT, 0, 0)), r.right);
  }
}

TEST(Dpi, MovedToAMonitorOfAnotherDpiTheDialogIsLaidOutAgain) {
  Quorvantile_B::Quorvantile_P d;
  d.Load();
  // To a monitor of 96 dpi: every place is exactly the layout's.
  RECT suggested{10, 10, 480, 450};
  SendMessageW(d.Hwnd(), 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&suggested));
  Expect_Laid_Out(d, 96);
}

TEST(Monitors, TheSaverCoversEveryMonitorPaintsOnThePrimaryAndEndsOnAClickOnAnyOther) {
  const toolkit::Screen_Area all = toolkit::Virtual_Screen(), primary = toolkit::Primary_Screen();
  ASSERT_GT(all.W, primary.W) << "run on two monitors";
  Full_Screen_Saver saver(L"monitors");
  ASSERT_NE(saver.window, nullptr);
  const RECT others{primary.W, 0, all.X + all.W, all.Y + all.H};
  const RECT primary_centre{primary.W / 2, primary.H / 2, primary.W / 2 + 1, primary.H / 2 + 1};
  // The desktop is white: beyond the primary monitor only the saver's black shows.
  EXPECT_TRUE(Wait_For([&] {
    const auto beyond = Capture_Screen(others);
    const DWORD centre = Capture_Screen(primary_centre)[0];
    return std::all_of(beyond.begin(), beyond.end(), [](DWORD v) { return v == 0; }) &&
           std::find(Painted.begin(), Painted.end(), centre) != Painted.end();
  }));
  Click_At(primary.W + (all.W - primary.W) / 2, all.H / 2);
  EXPECT_TRUE(saver.scr->Wait_Exit().has_value());
}
