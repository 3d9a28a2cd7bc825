#pragma once
// What the oldest systems the program runs on reject, or treat otherwise, in the arguments of calls that they do
// have: flags, styles, actions and sizes that later systems added. Wine takes them all. Beside the table of optional
// entries, so that a new call meets both: a call that not every system has goes there, an argument that not every
// system takes comes here. The traced runs under Wine's Windows 98 and 2000 modes (tests/wine/oldest_test.cpp)
// check every call of the program's own code against each row, and fail naming the call, the argument and the
// system.
#include <cstdint>
#include <span>

namespace toolkit::Oldest {

// Where a row bites, by the system the traced run reports.
enum class Systems {
  Family_95,   // 95, 98 and Me
  Before_Xp,   // those and 2000
  Every,       // every Windows: the program may make only the calls listed
};

enum class Check {
  Any_Bit,          // the argument has a bit of Value set
  Not_Listed,       // the argument is none of Listed
  Is,               // the argument is Value
  Bitmap_Over,      // the call makes a device-dependent bitmap of more than Value bytes
  Waits_In_Single,  // a thread of a single-threaded apartment waits in a wait that takes no messages
};

struct Argument_Row {
  const char* Function;  // as the trace names it, without its A or W (and SetWindowLong for SetWindowLongPtr too)
  int Argument;          // counted from 0; -1 where the row is not of one argument
  Check How;
  std::uint32_t Value;
  std::span<const std::uint32_t> Listed;
  Systems Where;
  const char* Oldest;   // the oldest Windows that takes it
  const char* Instead;  // what the program does
  // Only where the argument When_Argument is When_Value (the index of SetWindowLong), unless When_Argument is -1.
  int When_Argument = -1;
  std::uint32_t When_Value = 0;
};

// The SystemParametersInfo actions checked against the documentation of 98 and 2000: SPI_SETSCREENSAVEACTIVE, and
// SPI_SETSCREENSAVERRUNNING, which the NT family refuses harmlessly. A new one is checked and joins them.
inline constexpr std::uint32_t Actions_Checked[] = {0x0011, 0x0061};
inline constexpr std::uint32_t Image_Kinds[] = {0, 1, 2};  // IMAGE_BITMAP, IMAGE_ICON, IMAGE_CURSOR
inline constexpr std::uint32_t Dib_Colours[] = {0, 1};     // DIB_RGB_COLORS, DIB_PAL_COLORS

// clang-format off
inline constexpr Argument_Row Argument_Rows[] = {
  {"MsgWaitForMultipleObjects", 4, Check::Any_Bit, 0xFF00, {}, Systems::Before_Xp,
   "XP (QS_RAWINPUT), 8 (QS_TOUCH, QS_POINTER)", "toolkit::Wake_Mask, which has no raw input: the program takes none"},
  {"MsgWaitForMultipleObjectsEx", 3, Check::Any_Bit, 0xFF00, {}, Systems::Before_Xp,
   "XP (QS_RAWINPUT), 8 (QS_TOUCH, QS_POINTER)", "toolkit::Wake_Mask"},
  {"GetQueueStatus", 0, Check::Any_Bit, 0xFF00, {}, Systems::Before_Xp,
   "XP (QS_RAWINPUT), 8 (QS_TOUCH, QS_POINTER)", "toolkit::Wake_Mask"},
  {"CreateWindowEx", 0, Check::Any_Bit, 0x08080000, {}, Systems::Family_95,
   "2000 (WS_EX_LAYERED, WS_EX_NOACTIVATE)", "no such window: forms are opaque and take the focus"},
  {"CreateWindowEx", 0, Check::Any_Bit, 0x02000000, {}, Systems::Before_Xp,
   "XP (WS_EX_COMPOSITED)", "each picture box keeps its own surface and draws from it"},
  {"SetWindowLong", 2, Check::Any_Bit, 0x08080000, {}, Systems::Family_95,
   "2000 (WS_EX_LAYERED, WS_EX_NOACTIVATE)", "as for CreateWindowEx", 1, 0xFFFFFFEC},
  {"SetWindowLong", 2, Check::Any_Bit, 0x02000000, {}, Systems::Before_Xp,
   "XP (WS_EX_COMPOSITED)", "as for CreateWindowEx", 1, 0xFFFFFFEC},
  {"SystemParametersInfo", 0, Check::Not_Listed, 0, Actions_Checked, Systems::Every,
   "each action its own", "only the actions checked for 98 and 2000 (Actions_Checked)"},
  {"LoadImage", 5, Check::Any_Bit, 0xFFFF0F00, {}, Systems::Every,
   "none: flags no Windows documents", "the LR_ flags of 95 and NT 4.0"},
  {"LoadImage", 2, Check::Not_Listed, 0, Image_Kinds, Systems::Every,
   "none: only bitmaps, icons and cursors load", "IMAGE_BITMAP, IMAGE_ICON or IMAGE_CURSOR"},
  {"CreateDIBSection", 2, Check::Not_Listed, 0, Dib_Colours, Systems::Every,
   "none", "DIB_RGB_COLORS"},
  {"SetStretchBltMode", 1, Check::Is, 4, {}, Systems::Family_95,
   "the NT family (HALFTONE)", "COLORONCOLOR on the 95 family"},
  {"device-dependent bitmap", -1, Check::Bitmap_Over, 16U << 20, {}, Systems::Family_95,
   "the NT family (the 95 family's limit is 16 MB)", "DIB sections, and device-dependent bitmaps of a few pixels"},
  {"a wait of a single-threaded apartment", -1, Check::Waits_In_Single, 0, {}, Systems::Every,
   "none: whoever sends a message to every window hangs until it is taken",
   "the worker enters the multi-threaded apartment where there is one, and waits taking its messages"},
};
// clang-format on

}  // namespace toolkit::Oldest
