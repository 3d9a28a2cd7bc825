#include "tests/wine/driver.h"

#include <shellapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <fstream>
#include <iterator>

#include "toolkit/portable/ansi.h"
#include "toolkit/system/gdi.h"

namespace driver {

testing::AssertionResult Wait_Until(const std::function<testing::AssertionResult()>& condition, DWORD limit_ms) {
  for (const DWORD start = GetTickCount();; Sleep(20)) {
    testing::AssertionResult seen = condition();
    if (seen) return seen;
    if (GetTickCount() - start > limit_ms)
      return testing::AssertionFailure() << "not within " << limit_ms << " ms: " << seen.message();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
}

testing::AssertionResult Screen_Shows(const RECT& r, const std::vector<DWORD>& pixels) {
  const std::vector<DWORD> shown = Capture_Screen(r);
  if (shown == pixels) return testing::AssertionSuccess();
  const auto at =
      static_cast<LONG>(std::mismatch(shown.begin(), shown.end(), pixels.begin(), pixels.end()).first - shown.begin());
  const LONG w = r.right - r.left;
  return testing::AssertionFailure() << "the screen differs first at (" << r.left + at % w << ", " << r.top + at / w
                                     << ")";
}

LRESULT Ask(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  DWORD_PTR result = 0;
  // A window that is gone answers nothing, and that is no failure: a click may have ended its program.
  if (!SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, Generous_Ms, &result) && IsWindow(hwnd)) {
    ADD_FAILURE() << "window " << hwnd << " did not answer message " << msg << " within " << Generous_Ms << " ms";
    return 0;
  }
  return static_cast<LRESULT>(result);
}

namespace {

// The driver's folder, which holds the saver and the stand-ins.
std::wstring Build_Dir() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path).substr(0, std::wstring(path).find_last_of(L'\\'));
}

// Started with --saver-active, the driver answers at once in its exit code with the system's screen-saver-active
// setting, as a fresh process reads it (a process keeps what it read first).
const bool Saver_Active_Probe = [] {
  if (std::wcsstr(GetCommandLineW(), L"--saver-active")) {
    BOOL active = FALSE;
    SystemParametersInfoW(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
    ExitProcess(active ? 1 : 0);
  }
  return false;
}();

// Wine's trace, in the file that tools/run-wine.sh names.
std::ifstream Trace_File(std::ios::openmode mode) {
  wchar_t path[MAX_PATH] = {};
  GetEnvironmentVariableW(L"QV_TRACE_FILE", path, MAX_PATH);
  return std::ifstream(path, std::ios::binary | mode);
}

}  // namespace

std::string Read_Text(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write_Bytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream(path.c_str(), std::ios::binary | std::ios::trunc) << bytes;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void Remove_Tree(const std::wstring& dir) {
  const std::wstring from = dir + L'\0';  // the list of paths ends with a second NUL
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = from.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
  SHFileOperationW(&op);
}

Install::Install(const std::wstring& name) : dir_(L"C:\\qvtest\\" + name) {
  CreateDirectoryW(L"C:\\qvtest", nullptr);
  Remove_Tree(dir_);
  CreateDirectoryW(dir_.c_str(), nullptr);
  // QV_SCR names another build of the saver to install, for a benchmark of it beside this one's.
  wchar_t other[MAX_PATH] = {};
  const std::wstring from = GetEnvironmentVariableW(L"QV_SCR", other, MAX_PATH) ? std::wstring(other)
                                                                                : Build_Dir() + L"\\Quorvantile.scr";
  if (!CopyFileW(from.c_str(), Scr().c_str(), FALSE))
    ADD_FAILURE() << "the saver was not copied into " << toolkit::To_Ansi(dir_) << ": error " << GetLastError();
}

void Install::Add_Stand_In(const std::wstring& file) const {
  if (!CopyFileW((Build_Dir() + L"\\standins\\" + file).c_str(), Path(file).c_str(), FALSE))
    ADD_FAILURE() << "the stand-in " << toolkit::To_Ansi(file) << " was not copied: error " << GetLastError();
}

Process::Process(const std::wstring& program, const std::wstring& arguments, bool traced) {
  std::wstring command = L"\"" + program + L"\" " + arguments;
  wchar_t debug[64] = {};  // the child inherits WINEDEBUG
  GetEnvironmentVariableW(L"WINEDEBUG", debug, 64);
  if (traced) SetEnvironmentVariableW(L"WINEDEBUG", L"+relay,+loaddll,+bitmap");
  STARTUPINFOW si{};
  si.cb = sizeof si;
  if (!CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      program.substr(0, program.find_last_of(L'\\')).c_str(), &si, &info_))
    ADD_FAILURE() << toolkit::To_Ansi(command) << " did not start: error " << GetLastError();
  SetEnvironmentVariableW(L"WINEDEBUG", debug);
}

std::vector<DWORD> Process::Threads() const {
  std::vector<DWORD> threads;
  const HANDLE all = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(all, &entry); more; more = Thread32Next(all, &entry))
    if (entry.th32OwnerProcessID == info_.dwProcessId) threads.push_back(entry.th32ThreadID);
  CloseHandle(all);
  return threads;
}

Process::~Process() {
  if (Running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, Generous_Ms);
  }
  CloseHandle(info_.hProcess);
  CloseHandle(info_.hThread);
}

std::optional<DWORD> Process::Wait_Exit(DWORD limit_ms) {
  // Wakes at the exit itself (the latency bench times it), keeping this thread's windows answering meanwhile.
  if (!info_.hProcess) return std::nullopt;
  for (const DWORD start = GetTickCount(); Running();) {
    const DWORD spent = GetTickCount() - start;
    if (spent > limit_ms) return std::nullopt;
    MsgWaitForMultipleObjects(1, &info_.hProcess, FALSE, limit_ms - spent, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

bool Process::Running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

bool Saver_Active() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return Process(self, L"--saver-active").Wait_Exit() == 1u;
}

std::streamoff Trace_Length() { return Trace_File(std::ios::ate).tellg(); }

void For_Each_Trace_Line(std::streamoff from, const std::function<void(const std::string&)>& take) {
  std::ifstream in = Trace_File(std::ios::in);
  in.seekg(from);
  for (std::string line; std::getline(in, line);) take(line);
}

HWND Window_Of(DWORD process_id, const wchar_t* cls, const wchar_t* title) {
  for (HWND w = FindWindowExW(nullptr, nullptr, cls, title); w; w = FindWindowExW(nullptr, w, cls, title)) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == process_id && (title || IsWindowVisible(w))) return w;
  }
  return nullptr;
}

HWND Wait_For_Window(DWORD process_id, const std::wstring& title, DWORD limit_ms) {
  HWND found = nullptr;
  if (!Wait_For([&] { return (found = Window_Of(process_id, nullptr, title.c_str())) != nullptr; }, limit_ms))
    ADD_FAILURE() << "no window \"" << toolkit::To_Ansi(title) << "\" within " << limit_ms << " ms";
  return found;
}

void Sync_With(HWND hwnd) { Ask(hwnd, WM_NULL); }

std::vector<DWORD> Capture_Screen(const RECT& r) {
  // Wine brings this thread's own drawing to the screen when the thread waits for messages.
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
  const int w = r.right - r.left, h = r.bottom - r.top;
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const toolkit::Bitmap dib(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  const toolkit::Memory_Dc mem(CreateCompatibleDC(nullptr));
  {
    const toolkit::Window_Dc screen(nullptr);
    const toolkit::Selection selected(mem.Get(), dib.Get());
    BitBlt(mem.Get(), 0, 0, w, h, screen.Get(), r.left, r.top, SRCCOPY);
  }
  GdiFlush();
  std::vector<DWORD> out(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + w * h);
  for (DWORD& v : out) v &= 0xFFFFFF;
  return out;
}

void Write_Test_Bmp(const std::wstring& path, int w, int h, const std::function<DWORD(int, int)>& colour) {
  std::string pixels;  // 32-bit rows, bottom row first
  for (int y = h - 1; y >= 0; --y)
    for (int x = 0; x < w; ++x) {
      const DWORD c = colour(x, y);
      pixels.append(reinterpret_cast<const char*>(&c), 4);
    }
  BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
  const BITMAPINFOHEADER info{sizeof info, w, h, 1, 32, BI_RGB, static_cast<DWORD>(pixels.size()), 2835, 2835, 0, 0};
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  Write_Bytes(path, std::string(reinterpret_cast<const char*>(&file), sizeof file) +
                        std::string(reinterpret_cast<const char*>(&info), sizeof info) + pixels);
}

void Press_Key(WORD virtual_key) {
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = virtual_key;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
}

namespace {

void Mouse_Input(int x, int y, DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(x - GetSystemMetrics(SM_XVIRTUALSCREEN), 65535, GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1);
  in.mi.dy = MulDiv(y - GetSystemMetrics(SM_YVIRTUALSCREEN), 65535, GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1);
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  SendInput(1, &in, sizeof in);
}

}  // namespace

// Returns once the system has the pointer there, so that a press that follows lands there too.
void Move_Mouse_To(int x, int y) {
  Mouse_Input(x, y, MOUSEEVENTF_MOVE);
  EXPECT_TRUE(Wait_For([&]() -> testing::AssertionResult {
    POINT p{};
    GetCursorPos(&p);
    if (p.x == x && p.y == y) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the pointer is at (" << p.x << ", " << p.y << "), not (" << x << ", " << y
                                       << ")";
  }));
}

void Click_At(int x, int y, bool right) {
  Move_Mouse_To(x, y);
  Mouse_Input(x, y, right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
  Mouse_Input(x, y, right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

// Input is handled in order: once a Tab after the move has moved the focus, the move has been handled too.
HCURSOR Pointer_After_Move(int x, int y) {
  const auto focus = [] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(0, &info);
    return info.hwndFocus;
  };
  const HWND before = focus();
  Mouse_Input(x, y, MOUSEEVENTF_MOVE);
  Press_Key(VK_TAB);
  EXPECT_TRUE(Wait_For([&] { return focus() != before; })) << "a Tab after the move did not move the focus";
  return Pointer().hCursor;
}

CURSORINFO Pointer() {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  GetCursorInfo(&info);
  return info;
}

}  // namespace driver
