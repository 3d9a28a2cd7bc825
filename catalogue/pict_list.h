#pragma once
// The picture list: which files of the picture folder the saver shows, as sorted full paths.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Quorvantile_B {

class Kind_Finds;

constexpr int Max_Pict_Count = 32767;

// Entries 1 to Pict_Count hold the paths; entry 0 is never used.
inline std::vector<std::wstring> Pict_List(1);
inline std::int16_t Pict_Count = 0;
// The attribute value of the pass being walked.
inline std::int16_t Find_Attr = 0;

// Search pattern of each picture kind, indexed like Kind_Flag.
inline const std::array<std::wstring, 4> Kind_Pattern{L"\\*.bmp", L"\\*.gif", L"\\*.jpg", L"\\*.wmf"};
// The walks are made in three passes; a file is kept in the pass whose value equals its attribute value:
// no bit, archive alone, read-only alone.
constexpr std::array<std::int16_t, 3> Pass_Attr{0, 32, 1};

// True when the path names an existing, visible folder (or file). Never raises an error.
bool Check_Folder(const std::wstring& path);

// Rebuilds Pict_List and Pict_Count from the folder and the enabled kinds.
void Make_Pict_List(const std::wstring& folder);

// Appends the matches of one pattern whose attribute value is exactly attr; finds holds the kind's search.
void Find_Pict(const std::wstring& pattern, std::int16_t& attr, Kind_Finds& finds);

// Sorts entries 1 to Pict_Count in ascending order of their 16-bit character codes.
void Sort_Pict_List();

// The folder part of a search pattern: up to its last ":" or "\", without a trailing "\".
std::wstring Dir_Part(const std::wstring& pattern);

// True when Kind_Flag enables kind i (exactly 1).
bool Kind_Enabled(int i);

}  // namespace Quorvantile_B
