#pragma once
// The picture list: which files of the picture folder the saver shows, as sorted full paths.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace Quorvantile_B {

constexpr int Max_Pict_Count = 32767;

// The picture kinds: bmp, gif, jpg, wmf and png.
constexpr int Kind_Count = 5;
// One switch per picture kind; exactly 1 means the kind is shown.
using Kind_Flags = std::array<std::int16_t, Kind_Count>;

// Search pattern of each picture kind, indexed like the kind switches.
inline const std::array<std::wstring, Kind_Count> Kind_Pattern{L"\\*.bmp", L"\\*.gif", L"\\*.jpg", L"\\*.wmf",
                                                               L"\\*.png"};
// The walks are made in three passes; a file is kept in the pass whose value equals its attribute value:
// no bit, archive alone, read-only alone.
constexpr std::array<std::int16_t, 3> Pass_Attr{0, 32, 1};

// The pictures of a folder: entries 1 to Pict_Count of Pict_List hold the paths; entry 0 is never used.
struct Catalogue {
  std::vector<std::wstring> Pict_List{1};
  std::int16_t Pict_Count = 0;
};

// True when the path names an existing, visible folder (or file). Never raises an error.
bool Check_Folder(const std::wstring& path);

// The list of the folder's pictures of the enabled kinds, and with subfolders of the folders below it too, sorted by
// full path; empty for an empty folder string.
Catalogue Make_Pict_List(const std::wstring& folder, const Kind_Flags& Kind_Flag, bool subfolders);

// Sorts entries 1 to Pict_Count in ascending order of their 16-bit character codes.
void Sort_Pict_List(Catalogue& pictures);

// The folder part of a search pattern: up to its last ":" or "\", without a trailing "\".
std::wstring Dir_Part(const std::wstring& pattern);

// True when the switch enables its kind (exactly 1).
constexpr bool Kind_Enabled(std::int16_t flag) { return flag == 1; }

}  // namespace Quorvantile_B
