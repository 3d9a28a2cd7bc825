#pragma once
// The program's entry procedure and the start-up values the saver screen uses again.
#include <string>

namespace Quorvantile_B {

// The value returned by the last cursor show or hide.
inline int Cursor_Count = 0;

// The upper-cased second character of the command line; empty for a shorter command line.
std::wstring Mode_Letter();

// True on the NT family.
bool Is_NT();

// Start-up: single-instance test, then the mode of the command line.
void Main();

}  // namespace Quorvantile_B
