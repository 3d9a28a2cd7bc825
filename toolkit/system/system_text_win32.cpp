#include "toolkit/system/system_text.h"

#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>

#include "toolkit/portable/run_error.h"
#include "toolkit/system/handles.h"
#include "toolkit/system/optional_entries.h"

namespace toolkit {
namespace {

// The ANSI copy of a text, alive for one call.
struct Ansi {
  explicit Ansi(const std::wstring& text) : bytes(To_Ansi(text)) {}
  const char* c_str() const { return bytes.c_str(); }
  std::string bytes;
};

// A window class registered once, in either character set.
template <class Window_Class, class Char, class Class_Info, class Register>
void Register_Once(const Char* name, WNDPROC procedure, Class_Info class_info, Register reg) {
  Window_Class wc{};
  if (class_info(Instance(), name, &wc)) return;
  wc.lpfnWndProc = procedure;
  wc.hInstance = Instance();
  wc.hCursor = System_Cursor(32512);  // IDC_ARROW
  wc.lpszClassName = name;
  reg(&wc);
}

// A font's description, but for its face, in either character set.
template <class Log_Font>
Log_Font Font_Description(int height, bool underline, BYTE charset) {
  Log_Font lf{};
  lf.lfHeight = height;
  lf.lfWeight = FW_NORMAL;
  lf.lfUnderline = underline;
  lf.lfCharSet = charset;
  return lf;
}

// The system's folder chooser in either character set: the folder chosen, or empty text.
template <class Browse_Info, class Char, class Browse, class Path_Of>
std::basic_string<Char> Choose_Folder(HWND owner, const Char* title, Browse browse, Path_Of path_of) {
  Char display_name[MAX_PATH] = {}, chosen[MAX_PATH] = {};
  Browse_Info chooser{};
  chooser.hwndOwner = owner;
  chooser.pszDisplayName = display_name;
  chooser.lpszTitle = title;
  const std::unique_ptr<ITEMIDLIST, decltype(&CoTaskMemFree)> item(browse(&chooser), &CoTaskMemFree);
  return item && path_of(item.get(), chosen) ? chosen : std::basic_string<Char>();
}

// The system's text for an error code in either character set, in a buffer that the system allocates.
template <class Char, class Format>
std::basic_string<Char> System_Message(Format format, DWORD code) {
  const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  Char* text = nullptr;
  const DWORD n = format(flags, nullptr, code, 0, reinterpret_cast<Char*>(&text), 0, nullptr);
  const Owner<HLOCAL, LocalFree> buffer(text);
  return n > 0 ? std::basic_string<Char>(text, n) : std::basic_string<Char>();
}

template <class Find_Data>
void Take(const Find_Data& d, Found_File& found, std::wstring name) {
  found.Name = std::move(name);
  found.Attributes = d.dwFileAttributes;
}

}  // namespace

bool Nt_Family() {
  static const bool nt = [] {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148 bytes
    return GetVersionExA(&info) == 1 && info.dwPlatformId == VER_PLATFORM_WIN32_NT;
  }();
  return nt;
}

std::string To_Ansi(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), size, out.data(), n, nullptr, nullptr);
  return out;
}

std::wstring From_Ansi(const std::string& text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, out.data(), n);
  return out;
}

std::string To_Ansi_Path(const std::wstring& path) {
  if (Fits_Ansi(path)) return To_Ansi(path);
  const std::wstring short_path = Short_Path(path);
  return !short_path.empty() && Fits_Ansi(short_path) ? To_Ansi(short_path) : To_Ansi(path);
}

HINSTANCE Instance() { return Nt_Family() ? GetModuleHandleW(nullptr) : GetModuleHandleA(nullptr); }

std::wstring Command_Line() { return Nt_Family() ? GetCommandLineW() : From_Ansi(GetCommandLineA()); }

std::wstring Module_Path() {
  if (!Nt_Family()) {
    char path[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return From_Ansi(path);
  }
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) return path.substr(0, n);
    path.resize(path.size() * 2);
  }
}

HMODULE Load_Library(const char* name) { return LoadLibraryA(name); }

void Register_Class(const wchar_t* name, WNDPROC procedure) {
  if (Nt_Family())
    Register_Once<WNDCLASSW>(name, procedure, GetClassInfoW, RegisterClassW);
  else
    Register_Once<WNDCLASSA>(Ansi(name).c_str(), procedure, GetClassInfoA, RegisterClassA);
}

HWND Create_Window(DWORD ex_style, const wchar_t* class_name, const std::wstring& text, DWORD style, int x, int y,
                   int w, int h, HWND parent, void* param) {
  const HWND made = Nt_Family() ? CreateWindowExW(ex_style, class_name, text.c_str(), style, x, y, w, h, parent,
                                                  nullptr, Instance(), param)
                                : CreateWindowExA(ex_style, Ansi(class_name).c_str(), Ansi(text).c_str(), style, x, y,
                                                  w, h, parent, nullptr, Instance(), param);
  if (!made) throw Run_Error(Error_Kind::Invalid_Call, "Cannot create the window", GetLastError());
  return made;
}

LRESULT Default_Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return Nt_Family() ? DefWindowProcW(hwnd, msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
}

// The pointer-sized forms: in a 32-bit build the headers make them GetWindowLongA/W and SetWindowLongA/W.
LONG_PTR Window_Long(HWND hwnd, int index) {
  return Nt_Family() ? GetWindowLongPtrW(hwnd, index) : GetWindowLongPtrA(hwnd, index);
}

void Set_Window_Long(HWND hwnd, int index, LONG_PTR value) {
  if (Nt_Family())
    SetWindowLongPtrW(hwnd, index, value);
  else
    SetWindowLongPtrA(hwnd, index, value);
}

LRESULT Call_Procedure(WNDPROC procedure, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return Nt_Family() ? CallWindowProcW(procedure, hwnd, msg, wp, lp) : CallWindowProcA(procedure, hwnd, msg, wp, lp);
}

void Set_Window_Text(HWND hwnd, const std::wstring& text) {
  if (Nt_Family())
    SetWindowTextW(hwnd, text.c_str());
  else
    SetWindowTextA(hwnd, Ansi(text).c_str());
}

std::wstring Window_Text(HWND hwnd) {
  if (Nt_Family()) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
  }
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
  return From_Ansi(text);
}

HWND Find_Window(const std::wstring& title) {
  return Nt_Family() ? FindWindowW(nullptr, title.c_str()) : FindWindowA(nullptr, Ansi(title).c_str());
}

bool Monitor_Area(HMONITOR monitor, RECT& area, bool& primary) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!(Nt_Family() ? GetMonitorInfoW(monitor, &info) : GetMonitorInfoA(monitor, &info))) return false;
  area = info.rcMonitor;
  primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
  return true;
}

bool Peek_Message(MSG& msg) {
  return (Nt_Family() ? PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) : PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) !=
         0;
}

bool Get_Message(MSG& msg) {
  return (Nt_Family() ? GetMessageW(&msg, nullptr, 0, 0) : GetMessageA(&msg, nullptr, 0, 0)) > 0;
}

void Dispatch_Message(const MSG& msg) {
  TranslateMessage(&msg);
  if (Nt_Family())
    DispatchMessageW(&msg);
  else
    DispatchMessageA(&msg);
}

bool Is_Dialog_Message(HWND dialog, MSG& msg) {
  return (Nt_Family() ? IsDialogMessageW(dialog, &msg) : IsDialogMessageA(dialog, &msg)) != 0;
}

LRESULT Send_Message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return Nt_Family() ? SendMessageW(hwnd, msg, wp, lp) : SendMessageA(hwnd, msg, wp, lp);
}

void Post_Message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (Nt_Family())
    PostMessageW(hwnd, msg, wp, lp);
  else
    PostMessageA(hwnd, msg, wp, lp);
}

void List_Add(HWND list, const std::wstring& item) {
  if (Nt_Family())
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  else
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Ansi(item).c_str()));
}

std::wstring List_Text(HWND list, int index) {
  const LRESULT length = Send_Message(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  if (Nt_Family()) {
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return text.substr(0, static_cast<std::size_t>(length));
  }
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  return From_Ansi(text.substr(0, static_cast<std::size_t>(length)));
}

HFONT Create_Font(int height, bool underline, BYTE charset, const std::wstring& face) {
  if (Nt_Family()) {
    auto lf = Font_Description<LOGFONTW>(height, underline, charset);
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&lf);
  }
  auto lf = Font_Description<LOGFONTA>(height, underline, charset);
  To_Ansi(face).copy(lf.lfFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectA(&lf);
}

void Draw_Text(HDC dc, const std::wstring& text, RECT& r, UINT format) {
  if (Nt_Family()) {
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    return;
  }
  const std::string ansi = To_Ansi(text);
  DrawTextA(dc, ansi.c_str(), static_cast<int>(ansi.size()), &r, format);
}

HCURSOR System_Cursor(int id) {
  return Nt_Family() ? LoadCursorW(nullptr, MAKEINTRESOURCEW(id)) : LoadCursorA(nullptr, MAKEINTRESOURCEA(id));
}

HICON Program_Icon(int id) {
  return Nt_Family() ? LoadIconW(Instance(), MAKEINTRESOURCEW(id)) : LoadIconA(Instance(), MAKEINTRESOURCEA(id));
}

HCURSOR Program_Cursor(int id, int size) {
  const HANDLE image = Nt_Family()
                           ? LoadImageW(Instance(), MAKEINTRESOURCEW(id), IMAGE_CURSOR, size, size, LR_DEFAULTCOLOR)
                           : LoadImageA(Instance(), MAKEINTRESOURCEA(id), IMAGE_CURSOR, size, size, LR_DEFAULTCOLOR);
  return static_cast<HCURSOR>(image);
}

std::vector<unsigned char> Resource_Bytes(int id, int type) {
  // Numbered resources need no text: the 8-bit look-up serves both families.
  const HRSRC info = FindResourceA(Instance(), MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(type));
  if (!info) return {};
  const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(Instance(), info)));
  return data ? std::vector<unsigned char>(data, data + SizeofResource(Instance(), info))
              : std::vector<unsigned char>();
}

HANDLE Find_First(const std::wstring& pattern, Found_File& found) {
  if (Nt_Family()) {
    WIN32_FIND_DATAW d{};
    const HANDLE h = FindFirstFileW(pattern.c_str(), &d);
    if (h != INVALID_HANDLE_VALUE) Take(d, found, d.cFileName);
    return h;
  }
  WIN32_FIND_DATAA d{};
  const HANDLE h = FindFirstFileA(Ansi(pattern).c_str(), &d);
  if (h != INVALID_HANDLE_VALUE) Take(d, found, From_Ansi(d.cFileName));
  return h;
}

bool Find_Next(HANDLE search, Found_File& found) {
  if (Nt_Family()) {
    WIN32_FIND_DATAW d{};
    if (!FindNextFileW(search, &d)) return false;
    Take(d, found, d.cFileName);
    return true;
  }
  WIN32_FIND_DATAA d{};
  if (!FindNextFileA(search, &d)) return false;
  Take(d, found, From_Ansi(d.cFileName));
  return true;
}

DWORD File_Attributes(const std::wstring& path) {
  return Nt_Family() ? GetFileAttributesW(path.c_str()) : GetFileAttributesA(Ansi(path).c_str());
}

HANDLE Open_For_Reading(const std::wstring& path) noexcept {
  const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
  if (Nt_Family())
    return CreateFileW(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  // The worker opens files too: the 8-bit path is made where nothing can fail to be had.
  char bytes[2 * MAX_PATH + 1];
  if (!WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr))
    return INVALID_HANDLE_VALUE;
  return CreateFileA(bytes, GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE Create_Event() { return CreateEventA(nullptr, FALSE, FALSE, nullptr); }

std::wstring Short_Path(const std::wstring& path) {
  if (!Nt_Family()) {
    char out[MAX_PATH + 1] = {};
    const DWORD n = GetShortPathNameA(Ansi(path).c_str(), out, MAX_PATH);
    return n > 0 && n < MAX_PATH ? From_Ansi(out) : std::wstring();
  }
  std::wstring out(MAX_PATH, L'\0');
  DWORD n = GetShortPathNameW(path.c_str(), out.data(), static_cast<DWORD>(out.size()));
  if (n >= out.size()) {
    out.resize(n);
    n = GetShortPathNameW(path.c_str(), out.data(), static_cast<DWORD>(out.size()));
  }
  return n > 0 && n < out.size() ? out.substr(0, n) : std::wstring();
}

std::wstring Long_Path(const std::wstring& path) {
  // Short paths are stored only on the NT family; Windows 95 lacks the call, so it is looked up.
  if (!Nt_Family()) return path;
  const auto get = Entry_Point(Optional::GetLongPathNameW);
  if (!get) return path;
  std::wstring out(MAX_PATH, L'\0');
  DWORD n = get(path.c_str(), out.data(), static_cast<DWORD>(out.size()));
  if (n >= out.size()) {
    out.resize(n);
    n = get(path.c_str(), out.data(), static_cast<DWORD>(out.size()));
  }
  return n > 0 && n < out.size() ? out.substr(0, n) : path;
}

std::wstring Browse_For_Folder(HWND owner, const std::wstring& title) {
  if (Nt_Family()) return Choose_Folder<BROWSEINFOW>(owner, title.c_str(), SHBrowseForFolderW, SHGetPathFromIDListW);
  return From_Ansi(Choose_Folder<BROWSEINFOA>(owner, Ansi(title).c_str(), SHBrowseForFolderA, SHGetPathFromIDListA));
}

void Shell_Open(HWND owner, const std::wstring& target) {
  if (Nt_Family())
    ShellExecuteW(owner, L"open", target.c_str(), L"", L"", SW_SHOWNORMAL);
  else
    ShellExecuteA(owner, "open", Ansi(target).c_str(), "", "", SW_SHOWNORMAL);
}

int Message_Box(HWND owner, const std::wstring& text, const std::wstring& title, UINT style) {
  // One of the few wide functions that the 95 family implements.
  return MessageBoxW(owner, text.c_str(), title.c_str(), style);
}

std::wstring System_Error_Text(DWORD code) {
  std::wstring message = Nt_Family() ? System_Message<wchar_t>(FormatMessageW, code)
                                     : From_Ansi(System_Message<char>(FormatMessageA, code));
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) message.pop_back();
  return message;
}

void Set_System_Parameter(UINT action, UINT value) {
  if (Nt_Family())
    SystemParametersInfoW(action, value, nullptr, 0);
  else
    SystemParametersInfoA(action, value, nullptr, 0);
}

bool Read_User_Setting(const char* key, const char* name, DWORD& type, std::vector<BYTE>& data) {
  // The names are plain ASCII, which the 8-bit registry functions take on both families.
  HKEY handle = nullptr;
  const Registry_Key opened(RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) == ERROR_SUCCESS ? handle
                                                                                                         : nullptr);
  DWORD size = 0;
  if (!opened || RegQueryValueExA(opened.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
  data.assign(size, 0);
  const bool read = RegQueryValueExA(opened.Get(), name, nullptr, &type, data.data(), &size) == ERROR_SUCCESS;
  data.resize(std::min<std::size_t>(size, data.size()));
  return read;
}

std::string Profile_String(const std::string& section, const std::string& key, const std::string& file) {
  // The value is read whole: a buffer that the system fills to the brim may have cut it, so it grows and the
  // value is read again. (A Japanese folder path of 130 characters already passes 255 bytes.)
  for (DWORD size = 256;; size *= 2) {
    std::string buffer(size, '\0');
    const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), size, file.c_str());
    if (n < size - 1 || size >= 65536) return buffer.substr(0, n);
  }
}

void Write_Profile_String(const std::string& section, const std::string& key, const std::string& value,
                          const std::string& file) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

}  // namespace toolkit
