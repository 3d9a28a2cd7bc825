#pragma once
// Every system call that takes or returns text goes through here, and nothing else calls an A or W function.
//
// The choice between the wide (W) and the 8-bit (A) functions is made once, from the system's family: the
// NT family gets the wide ones, so that the Japanese texts show on any code page; the 95 family, where nearly
// every wide function is a stub that fails, gets the 8-bit ones, with text in the system's code page (932 on a
// Japanese system). The rest of the program speaks std::wstring.
#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/portable/ansi.h"

namespace toolkit {

// True on the NT family: GetVersionExA answers exactly 1 and names the NT platform. Asked once.
bool Nt_Family();

// The process.
HINSTANCE Instance();
std::wstring Command_Line();
std::wstring Module_Path();
HMODULE Load_Library(const char* name);

// Window classes, windows and their texts and longs.
void Register_Class(const wchar_t* name, WNDPROC procedure);  // once; with the arrow pointer
// Raises a run-time error when the system makes no window.
HWND Create_Window(DWORD ex_style, const wchar_t* class_name, const std::wstring& text, DWORD style, int x, int y,
                   int w, int h, HWND parent, void* param);
LRESULT Default_Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LONG_PTR Window_Long(HWND hwnd, int index);
void Set_Window_Long(HWND hwnd, int index, LONG_PTR value);
std::wstring Window_Text(HWND hwnd);
void Set_Window_Text(HWND hwnd, const std::wstring& text);
// The window procedure a subclass took over, called as its family calls it.
LRESULT Call_Procedure(WNDPROC procedure, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
HWND Find_Window(const std::wstring& title);
// A monitor's rectangle on the virtual screen, and whether it is the primary one; false when the system says
// nothing of it.
bool Monitor_Area(HMONITOR monitor, RECT& area, bool& primary);

// Messages.
bool Peek_Message(MSG& msg);
bool Get_Message(MSG& msg);  // false at WM_QUIT or on failure
void Dispatch_Message(const MSG& msg);
bool Is_Dialog_Message(HWND dialog, MSG& msg);
LRESULT Send_Message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
void Post_Message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
void List_Add(HWND list, const std::wstring& item);
std::wstring List_Text(HWND list, int index);

// Fonts, text drawing, cursors, icons and resources.
HFONT Create_Font(int height, bool underline, BYTE charset, const std::wstring& face);
void Draw_Text(HDC dc, const std::wstring& text, RECT& r, UINT format);
HCURSOR System_Cursor(int id);             // IDC_ARROW, IDC_WAIT, ... as numbers
HCURSOR Program_Cursor(int id, int size);  // from the executable, the size nearest to size x size
HICON Program_Icon(int id);                // from the executable
std::vector<unsigned char> Resource_Bytes(int id, int type);

// Files and folders.
struct Found_File {
  std::wstring Name;
  DWORD Attributes = 0;
};
HANDLE Find_First(const std::wstring& pattern, Found_File& found);  // INVALID_HANDLE_VALUE when none
bool Find_Next(HANDLE search, Found_File& found);
DWORD File_Attributes(const std::wstring& path);  // INVALID_FILE_ATTRIBUTES when it cannot be read
HANDLE Open_For_Reading(const std::wstring& path) noexcept;
// An unnamed event that resets itself when a wait takes it; null when the system makes none.
HANDLE Create_Event();
std::wstring Short_Path(const std::wstring& path);  // empty when the system gives none
std::wstring Long_Path(const std::wstring& path);   // the path itself when the system gives none

// The shell, the message box and the system's own texts and settings.
std::wstring Browse_For_Folder(HWND owner, const std::wstring& title);  // empty when cancelled or no folder
void Shell_Open(HWND owner, const std::wstring& target);
int Message_Box(HWND owner, const std::wstring& text, const std::wstring& title, UINT style);
std::wstring System_Error_Text(DWORD code);  // empty when the system has none
void Set_System_Parameter(UINT action, UINT value);
// A value under HKEY_CURRENT_USER: its type and bytes, or false.
bool Read_User_Setting(const char* key, const char* name, DWORD& type, std::vector<BYTE>& data);
// The 8-bit profile functions, on both families: the settings file is in the system's code page.
std::string Profile_String(const std::string& section, const std::string& key, const std::string& file);
void Write_Profile_String(const std::string& section, const std::string& key, const std::string& value,
                          const std::string& file);

}  // namespace toolkit
