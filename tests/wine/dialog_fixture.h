#pragma once
// The real settings dialog, started with /c beside a settings file, and the test's view of it: its
// windows, points and pixels in the coordinates of the dialog's own layout, and its stored artwork.
#include <optional>
#include <string>
#include <vector>

#include "tests/wine/driver.h"
#include "tests/wine/saver_fixture.h"
#include "toolkit/label.h"

namespace driver {

class Open_Dialog {
 public:
  // Installs the saver with settings for the folder (none when folder is empty) and opens its dialog.
  Open_Dialog(const std::wstring& name, const std::wstring& folder, const Saver_Settings& settings = {},
              const std::function<void(const Install&)>& before_start = nullptr, bool traced = false);
  Open_Dialog(const Open_Dialog&) = delete;

  Install install;
  std::optional<Process> scr;
  HWND window = nullptr;
  HWND Pic_C = nullptr, Panel = nullptr, Pane = nullptr, List = nullptr;
  HWND Button[4] = {};

  // A point of a holder window (Pic_C or the panel) on the screen.
  POINT On_Screen(HWND holder, int x, int y) const;
  RECT On_Screen(HWND holder, RECT r) const;
  void Click(HWND holder, int x, int y, bool right = false) const;
  std::vector<DWORD> Pixels(HWND holder, RECT r) const { return Capture_Screen(On_Screen(holder, r)); }
  std::vector<std::wstring> Items() const;
  // Waits until the dialog has taken every pending message.
  void Sync() const { Sync_With(window); }
  bool Ended(DWORD limit_ms = Generous_Ms) { return scr->Wait_Exit(limit_ms).has_value(); }
};

// An element of the dialog as the system's accessibility query finds it.
struct Element {
  long Role = 0, State = 0;
  std::wstring Name;
};
// The panel's elements: the four kinds, the four radios, then the count, the folder and the preview's size.
std::vector<Element> Panel_Elements(const Open_Dialog& d);
enum Panel_Element { Count_Element = 8, Folder_Element = 9, Size_Element = 10 };
std::wstring Caption_Of(const Open_Dialog& d, Panel_Element element);

// A visible dialog box of the process (the folder chooser, a message box), or null.
HWND Visible_Dialog_Box(DWORD process_id);

// An empty folder of that name on the user's desktop, where the folder chooser lists it at the top.
std::wstring Desktop_Folder(const std::wstring& name);

// Opens the chooser with the folder button, selects the desktop's folder of that name by typing it in the
// tree (where the chooser lists the desktop's folders at the top), and presses OK.
void Choose_Desktop_Folder(const Open_Dialog& d, const std::wstring& name);

// A picture stored in the installed saver's resources, drawn at its natural size.
std::vector<DWORD> Stored_Picture(const std::wstring& scr, int id, int w, int h);

// How a label of the dialog looks with this caption, drawn on what lies beneath it (beneath: the pixels
// of the label's box before any text, row by row).
std::vector<DWORD> Expected_Label(const std::wstring& caption, int w, int h, toolkit::Alignment align, bool border,
                                  bool white, const std::vector<DWORD>& beneath);

// The dialog's texture as it lies under the box r of a holder that is tiled from its own top-left corner.
std::vector<DWORD> Texture_Under(const std::wstring& scr, RECT r);

}  // namespace driver
