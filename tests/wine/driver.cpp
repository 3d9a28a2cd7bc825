#include "tests/wine/driver.h"

#include <ocidl.h>
#include <olectl.h>

#include <fstream>
#include <iterator>

#include "toolkit/gdi.h"
#include "toolkit/picture.h"

namespace driver {

bool Wait_For(const std::function<bool()>& condition, DWORD limit_ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start > limit_ms) return false;
    // Keep this thread's own windows answering while it waits.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(20);
  }
}

std::wstring Build_Dir() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p = path;
  return p.substr(0, p.find_last_of(L'\\'));
}

std::vector<unsigned char> Read_Bytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Write_Bytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
  out << bytes;
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void Remove_Tree(const std::wstring& dir) {
  WIN32_FIND_DATAW d;
  const HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &d);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = d.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = dir + L"\\" + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL | (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY));
      if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        Remove_Tree(path);
      else
        DeleteFileW(path.c_str());
    } while (FindNextFileW(h, &d));
    FindClose(h);
  }
  RemoveDirectoryW(dir.c_str());
}

Install::Install(const std::wstring& name) : dir_(L"C:\\qvtest\\" + name) {
  CreateDirectoryW(L"C:\\qvtest", nullptr);
  Remove_Tree(dir_);
  CreateDirectoryW(dir_.c_str(), nullptr);
  CopyFileW((Build_Dir() + L"\\Quorvantile.scr").c_str(), Scr().c_str(), FALSE);
}

Process::Process(const std::wstring& program, const std::wstring& arguments, bool traced) {
  std::wstring command = L"\"" + program + L"\"";
  if (!arguments.empty()) command += L" " + arguments;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  const std::wstring dir = program.substr(0, program.find_last_of(L'\\'));
  std::wstring environment;
  if (traced) {
    wchar_t* block = GetEnvironmentStringsW();
    for (const wchar_t* v = block; *v; v += wcslen(v) + 1)
      if (wcsncmp(v, L"WINEDEBUG=", 10) != 0) environment.append(v) += L'\0';
    FreeEnvironmentStringsW(block);
    environment.append(L"WINEDEBUG=+relay").append(2, L'\0');
  }
  CreateProcessW(program.c_str(), command.data(), nullptr, nullptr, FALSE, traced ? CREATE_UNICODE_ENVIRONMENT : 0,
                 traced ? environment.data() : nullptr, dir.c_str(), &si, &info_);
}

Wine_Trace::Wine_Trace() {
  wchar_t path[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"QV_TRACE_FILE", path, MAX_PATH)) return;
  path_ = path;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (GetFileAttributesExW(path, GetFileExInfoStandard, &data))
    start_ = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

void Wine_Trace::For_Each_Line(const std::function<void(const std::string&)>& take) const {
  std::ifstream in(path_.c_str(), std::ios::binary);
  in.seekg(static_cast<std::streamoff>(start_));
  for (std::string line; std::getline(in, line);) take(line);
}

Process::~Process() {
  if (Running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, Generous_Ms);
  }
  if (info_.hProcess) CloseHandle(info_.hProcess);
  if (info_.hThread) CloseHandle(info_.hThread);
}

std::optional<DWORD> Process::Wait_Exit(DWORD limit_ms) {
  if (!info_.hProcess) return std::nullopt;
  // Wakes at the exit itself, keeping this thread's own windows answering meanwhile.
  const DWORD start = GetTickCount();
  while (Running()) {
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

namespace {

struct Window_Search {
  DWORD Id;
  std::vector<HWND> Found;
};

BOOL CALLBACK Collect_Window(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<Window_Search*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == s->Id) s->Found.push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> Windows_Of(DWORD process_id) {
  Window_Search search{process_id, {}};
  EnumWindows(Collect_Window, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

std::wstring Title_Of(HWND hwnd) {
  wchar_t text[512] = {};
  GetWindowTextW(hwnd, text, 512);
  return text;
}

std::vector<DWORD> Draw_To_Pixels(int w, int h, const std::function<void(HDC)>& draw) {
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  toolkit::Bitmap dib(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  toolkit::Memory_Dc mem;
  {
    toolkit::Selection sel(mem.Get(), dib.Get());
    draw(mem.Get());
  }
  GdiFlush();
  const auto* p = static_cast<const DWORD*>(bits);
  std::vector<DWORD> out(p, p + static_cast<std::size_t>(w) * h);
  for (DWORD& v : out) v &= 0xFFFFFF;
  return out;
}

std::vector<DWORD> Capture_Screen(const RECT& r) {
  // Wine brings this thread's own drawing to the screen when the thread waits for messages.
  MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
  const toolkit::Window_Dc screen(nullptr);
  const int w = r.right - r.left, h = r.bottom - r.top;
  return Draw_To_Pixels(w, h, [&](HDC dc) { BitBlt(dc, 0, 0, w, h, screen.Get(), r.left, r.top, SRCCOPY); });
}

std::vector<DWORD> Render_Picture(const std::vector<unsigned char>& bytes, int w, int h) {
  const auto picture = toolkit::Picture::From_Bytes(bytes);
  return Draw_To_Pixels(w, h, [&](HDC dc) { picture->Render(dc, 0, 0, w, h); });
}

void Save_Bmp(const std::wstring& path, const std::vector<DWORD>& pixels, int w, int h) {
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  const DWORD size = static_cast<DWORD>(pixels.size() * 4);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + size;
  std::ofstream out(path.c_str(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(reinterpret_cast<const char*>(pixels.data()), size);
}

void Write_Test_Bmp(const std::wstring& path, int w, int h, const std::function<DWORD(int, int)>& colour) {
  const int row = (w * 3 + 3) & ~3;
  std::string data(static_cast<std::size_t>(row) * h, '\0');
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const DWORD c = colour(x, y);
      char* p = &data[static_cast<std::size_t>(h - 1 - y) * row + x * 3];
      p[0] = static_cast<char>(c & 0xFF);
      p[1] = static_cast<char>((c >> 8) & 0xFF);
      p[2] = static_cast<char>((c >> 16) & 0xFF);
    }
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{sizeof(BITMAPINFOHEADER), w, h, 1, 24, BI_RGB, static_cast<DWORD>(data.size()), 2835, 2835, 0, 0};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(data.size());
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
  Write_Bytes(path, bytes + data);
}

void Press_Key(WORD virtual_key) {
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = virtual_key;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
}

// Absolute positions on the virtual screen, which spans every monitor.
void Mouse_Input(int x, int y, DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(x - GetSystemMetrics(SM_XVIRTUALSCREEN), 65535, GetSystemMetrics(SM_CXVIRTUALSCREEN) - 1);
  in.mi.dy = MulDiv(y - GetSystemMetrics(SM_YVIRTUALSCREEN), 65535, GetSystemMetrics(SM_CYVIRTUALSCREEN) - 1);
  in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  SendInput(1, &in, sizeof in);
}

void Click_At(int x, int y) {
  Move_Mouse_To(x, y);
  Mouse_Input(x, y, MOUSEEVENTF_LEFTDOWN);
  Mouse_Input(x, y, MOUSEEVENTF_LEFTUP);
}

// Returns once the system has the pointer there, so that a press that follows lands there too.
void Move_Mouse_To(int x, int y) {
  Mouse_Input(x, y, MOUSEEVENTF_MOVE);
  Wait_For([&] {
    POINT p{};
    GetCursorPos(&p);
    return p.x == x && p.y == y;
  });
}

void Sync_With(HWND hwnd) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(hwnd, WM_NULL, 0, 0, SMTO_NORMAL, Generous_Ms, &result);
}

HWND Wait_For_Window(DWORD process_id, const std::wstring& title, DWORD limit_ms) {
  HWND found = nullptr;
  Wait_For(
      [&] {
        for (HWND w : Windows_Of(process_id))
          if (Title_Of(w) == title) found = w;
        return found != nullptr;
      },
      limit_ms);
  return found;
}

}  // namespace driver
