#pragma once
// The test driver's view of the system: a fresh install folder for the saver, its process, its windows,
// the screen's pixels and files as bytes. Every wait is on a condition with a generous limit.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace driver {

constexpr DWORD Generous_Ms = 30000;

// Polls the condition until it holds or the limit passes; true when it held.
bool Wait_For(const std::function<bool()>& condition, DWORD limit_ms = Generous_Ms);

// The folder that holds the test driver (and the saver it tests).
std::wstring Build_Dir();

std::vector<unsigned char> Read_Bytes(const std::wstring& path);
void Write_Bytes(const std::wstring& path, const std::string& bytes);
bool Exists(const std::wstring& path);

// A fresh, empty folder C:\qvtest\<name> holding a copy of the saver; removed again by the next test of
// the same name.
class Install {
 public:
  explicit Install(const std::wstring& name);
  const std::wstring& Dir() const { return dir_; }
  std::wstring Scr() const { return dir_ + L"\\Quorvantile.scr"; }
  std::wstring Ini() const { return dir_ + L"\\Quorvantile.ini"; }
  std::wstring Path(const std::wstring& name) const { return dir_ + L"\\" + name; }

 private:
  std::wstring dir_;
};

// Deletes a folder tree.
void Remove_Tree(const std::wstring& dir);

// A started program; killed when the test leaves it running.
class Process {
 public:
  // Traced, Wine writes every call into the system to the standard error that the program shares with the
  // driver (see Wine_Trace).
  Process(const std::wstring& program, const std::wstring& arguments, bool traced = false);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  // The exit code, or nothing when it still runs after the limit.
  std::optional<DWORD> Wait_Exit(DWORD limit_ms = Generous_Ms);
  bool Running() const;
  DWORD Id() const { return info_.dwProcessId; }
  DWORD Main_Thread() const { return info_.dwThreadId; }

 private:
  PROCESS_INFORMATION info_{};
};

// The lines that Wine's traces of traced programs wrote since the reader was made. The trace goes to the
// driver's standard error, which tools/run-wine.sh sends to a file whose path it gives in QV_TRACE_FILE.
class Wine_Trace {
 public:
  Wine_Trace();
  bool Available() const { return !path_.empty(); }
  void For_Each_Line(const std::function<void(const std::string&)>& take) const;

 private:
  std::wstring path_;
  std::uint64_t start_ = 0;
};

// The visible or hidden top-level windows of a process.
std::vector<HWND> Windows_Of(DWORD process_id);
std::wstring Title_Of(HWND hwnd);

// Pixels of whatever draw puts into a fresh w x h surface, as 0x00RRGGBB values row by row from the top.
std::vector<DWORD> Draw_To_Pixels(int w, int h, const std::function<void(HDC)>& draw);

// The screen's pixels in a rectangle, as 0x00RRGGBB values row by row from the top.
std::vector<DWORD> Capture_Screen(const RECT& r);

// A picture file decoded by the platform's loader and drawn at the given size, as 0x00RRGGBB values.
std::vector<DWORD> Render_Picture(const std::vector<unsigned char>& bytes, int w, int h);

// Writes a 24-bit bitmap file whose pixel (x, y) is colour(x, y), as 0x00RRGGBB.
void Write_Test_Bmp(const std::wstring& path, int w, int h, const std::function<DWORD(int, int)>& colour);

// Input as a person gives it, through the system's input queue.
void Press_Key(WORD virtual_key);
void Click_At(int x, int y);
void Mouse_Input(int x, int y, DWORD flags);  // MOUSEEVENTF_ flags at (x, y)
void Move_Mouse_To(int x, int y);

// Returns once the window's thread has taken its pending messages (or the limit passed).
void Sync_With(HWND hwnd);

// The first top-level window of the process with this title, waiting for it to appear; null when none did.
HWND Wait_For_Window(DWORD process_id, const std::wstring& title, DWORD limit_ms = Generous_Ms);

// Writes 0x00RRGGBB pixels as a 32-bit bitmap file, to look at after a failed comparison.
void Save_Bmp(const std::wstring& path, const std::vector<DWORD>& pixels, int w, int h);

}  // namespace driver
