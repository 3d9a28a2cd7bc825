#pragma once
// What the Wine tests set up: a settings file written byte by byte, the saver running, the real dialog (/c).
#include <array>

#include "tests/wine/driver.h"

namespace driver {

namespace Key {                                                            // the settings file's keys, in code page 932
inline const std::string Change = "\x89\xE6\x91\x9C\xC1\xAA\xDD\xBC\xDE";  // 画像ﾁｪﾝｼﾞ
inline const std::string Size = "\x89\xE6\x91\x9C\x82\xCC\xBB\xB2\xBD\xDE";        // 画像のｻｲｽﾞ
inline const std::string Folder = "\x89\xE6\x91\x9C\x82\xCC\xCC\xAB\xD9\xC0\xDE";  // 画像のﾌｫﾙﾀﾞ
inline std::string Kind(int i) {                                                   // 画像種類_i
  return std::string("\x89\xE6\x91\x9C\x8E\xED\x97\xDE\x5F").append(1, static_cast<char>('0' + i));
}
inline const std::string Paint_Time = "\x95\x60\x89\xE6\x8E\x9E\x8A\xD4";  // 描画時間
inline const std::string Hold_Time = "\x95\x5C\x8E\xA6\x8E\x9E\x8A\xD4";   // 表示時間
inline const std::string Sub_Folders = "\xBB\xCC\xDE\xCC\xAB\xD9\xC0\xDE";  // ｻﾌﾞﾌｫﾙﾀﾞ
}  // namespace Key

struct Saver_Settings {
  int Change_Mode = 0, Size_Mode = 0;
  std::array<int, 5> Kind_Flag{1, 1, 1, 1, 1};
  // The reveal and the hold in seconds, 0 and 0 at full speed for the pixel tests, and the subfolders' switch; none
  // leaves the key out.
  std::optional<int> Paint_Seconds = 0, Hold_Seconds = 0, Sub_Folders = 0;
};
void Write_Settings(const Install& install, const std::wstring& folder, const Saver_Settings& s = {});
// The file's text as the program writes these values. The program writes a sign blank (" 1") that Wine's
// profile writer drops, so Settings_Text reads a file without the blank after "=".
std::string Expected_File(const std::string& folder, const Saver_Settings& s = {});
std::string Settings_Text(const std::wstring& ini);
DWORD Pattern(int x, int y);  // every pixel of a large area differs from its neighbours
// A photo stored on its side with the EXIF orientation 6, upright a 240 x 320 picture of four quarters (made
// by tools/wine-bench.sh); and whether a JPEG's colour is near the one meant.
inline const std::wstring Portrait = L"C:\\qvfixtures\\portrait6.jpg";
// A JPEG of 8160 x 6120 pixels, which takes seconds to decode (made by tools/wine-bench.sh).
inline const std::wstring Big_Jpeg = L"C:\\qvfixtures\\big50.jpg";
constexpr DWORD Quarter_Colours[4] = {0xD02020, 0x20D020, 0x2020D0, 0xF0F0F0};
bool Near(DWORD colour, DWORD meant);

// The saver started (with /s unless told) on a folder "pics" holding one 640 x 480 picture of one colour.
constexpr DWORD Saver_Colour = 0x3080C0;
struct Running_Saver {
  explicit Running_Saver(const std::wstring& name, const Saver_Settings& settings = {},
                         const std::function<void(const Install&)>& before_start = nullptr,
                         const std::wstring& arguments = L"/s");
  Install install;
  std::optional<Process> scr;
  HWND window = nullptr;
};

// A settings dialog as its windows show it, in this process or another.
struct Dialog_View {
  explicit Dialog_View(HWND dialog = nullptr) { View(dialog); }
  void View(HWND dialog);
  HWND window = nullptr, Pic_C = nullptr, Panel = nullptr, Pane = nullptr, List = nullptr, Folder = nullptr;

  // Pixels and clicks of a holder window (Pic_C or the panel), in its own coordinates.
  std::vector<DWORD> Pixels(HWND holder, RECT r) const;
  void Click(HWND holder, int x, int y, bool right = false) const;
  void Click_Item(const std::wstring& name) const;  // and waits until the list has taken it
  std::vector<std::wstring> Items() const;
  void Sync() const { Sync_With(window); }
};

class Open_Dialog : public Dialog_View {
 public:
  // Installs the saver with settings for the folder and opens its dialog.
  Open_Dialog(const std::wstring& name, const std::wstring& folder, const Saver_Settings& settings = {},
              const std::function<void(const Install&)>& before_start = nullptr, bool traced = false);
  Install install;
  std::optional<Process> scr;
  // Whether the program ended, within the limit, with the exit code of an end it chose (0), not of a crash.
  testing::AssertionResult Ended(DWORD limit_ms = Generous_Ms) {
    const std::optional<DWORD> code = scr->Wait_Exit(limit_ms);
    if (code == 0u) return testing::AssertionSuccess();
    return testing::AssertionFailure() << (code ? "it ended with the code " + std::to_string(*code) : "it still runs");
  }
};

// The panel's options to the system's accessibility query, in the keyboard's order (the five kinds, the four radios,
// the subfolders), then its texts (the count, the folder and the preview's size).
struct Element {
  long Role = 0, State = 0;
  std::wstring Name;
};
std::vector<Element> Panel_Elements(const Dialog_View& d);
enum Panel_Element { Subfolders_Element = 9, Count_Element, Folder_Element, Size_Element };
std::wstring Caption_Of(const Dialog_View& d, Panel_Element element);

// An empty folder on the desktop; its choice in the folder chooser (a "#32770" box), typed into the tree, or
// for no name the chooser cancelled.
std::wstring Desktop_Folder(const std::wstring& name);
testing::AssertionResult Choose_Desktop_Folder(const Open_Dialog& d, const std::wstring& name);

}  // namespace driver
