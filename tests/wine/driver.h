#pragma once
// The test driver's view of the system: a fresh install of the saver, its process and windows, the screen's
// pixels, files as bytes, and input as a person gives it. Every wait is on a condition with a generous limit.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <ios>
#include <optional>
#include <string>
#include <vector>

namespace driver {

constexpr DWORD Generous_Ms = 30000;
// Polls the condition, keeping this thread's windows answering, until it holds or the limit passes. A condition may
// say what it saw (a testing::AssertionResult): a wait that fails reports the last of it.
testing::AssertionResult Wait_Until(const std::function<testing::AssertionResult()>& condition, DWORD limit_ms);
template <class Condition>
testing::AssertionResult Wait_For(Condition&& condition, DWORD limit_ms = Generous_Ms) {
  return Wait_Until(
      [&]() -> testing::AssertionResult {
        if constexpr (std::is_same_v<decltype(condition()), testing::AssertionResult>)
          return condition();
        else
          return condition() ? testing::AssertionSuccess()
                             : testing::AssertionFailure() << "the condition did not hold";
      },
      limit_ms);
}
// Whether the screen shows these pixels in the rectangle, and if not, where it differs.
testing::AssertionResult Screen_Shows(const RECT& r, const std::vector<DWORD>& pixels);

// A message to another process's window, answered within a generous limit; a failure of the case, and 0, if it is
// there and does not answer.
LRESULT Ask(HWND hwnd, UINT msg, WPARAM wp = 0, LPARAM lp = 0);

std::string Read_Text(const std::wstring& path);
void Write_Bytes(const std::wstring& path, const std::string& bytes);
bool Exists(const std::wstring& path);
void Remove_Tree(const std::wstring& dir);

// A fresh folder C:\qvtest\<name> holding a copy of the saver.
class Install {
 public:
  explicit Install(const std::wstring& name);
  std::wstring Scr() const { return Path(L"Quorvantile.scr"); }
  std::wstring Ini() const { return Path(L"Quorvantile.ini"); }
  std::wstring Path(const std::wstring& name) const { return dir_ + L"\\" + name; }
  void Add_Stand_In(const std::wstring& file) const;  // from the build's stand-ins, beside the saver

 private:
  std::wstring dir_;
};

// A started program, killed if the test leaves it running. Traced, Wine logs its every system call, where it loads
// each module, and the size of every bitmap it makes.
class Process {
 public:
  Process(const std::wstring& program, const std::wstring& arguments, bool traced = false);
  ~Process();
  Process(const Process&) = delete;
  std::optional<DWORD> Wait_Exit(DWORD limit_ms = Generous_Ms);  // the exit code, unless it still runs
  DWORD Id() const { return info_.dwProcessId; }
  DWORD Main_Thread() const { return info_.dwThreadId; }
  std::vector<DWORD> Threads() const;  // those it has now

 private:
  bool Running() const;
  PROCESS_INFORMATION info_{};
};

// The system's screen-saver-active setting, as a fresh process reads it.
bool Saver_Active();

// Wine's trace (the file tools/run-wine.sh names in QV_TRACE_FILE): its length, and its lines from a length on.
std::streamoff Trace_Length();
void For_Each_Trace_Line(std::streamoff from, const std::function<void(const std::string&)>& take);

// The process's top-level window of a class and title (either may be null; untitled, a visible one).
HWND Window_Of(DWORD process_id, const wchar_t* cls, const wchar_t* title);
// The window, or null and a failure of the case.
HWND Wait_For_Window(DWORD process_id, const std::wstring& title, DWORD limit_ms = Generous_Ms);
void Sync_With(HWND hwnd);  // returns once the window's thread has taken its pending messages, or fails the case

// The screen's pixels as 0x00RRGGBB, row by row from the top.
std::vector<DWORD> Capture_Screen(const RECT& r);
// A bitmap file whose pixel (x, y) is colour(x, y).
void Write_Test_Bmp(const std::wstring& path, int w, int h, const std::function<DWORD(int, int)>& colour);

// Input through the system's queue, at absolute positions on the virtual screen.
void Press_Key(WORD virtual_key);
void Move_Mouse_To(int x, int y);  // returns once the system has the pointer there, or fails the case
void Click_At(int x, int y, bool right = false);
// The pointer that the foreground thread shows once it has handled a move of the mouse to (x, y).
HCURSOR Pointer_After_Move(int x, int y);
// The pointer that the foreground thread shows now, and where.
CURSORINFO Pointer();

}  // namespace driver
