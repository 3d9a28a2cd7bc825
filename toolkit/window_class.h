#pragma once
// The program's window classes: each registered once, on first use, with the arrow pointer and the
// program's icon.
#include <windows.h>

namespace toolkit {

// Registers the class the first time it is asked for; returns its name.
const wchar_t* Window_Class(const wchar_t* name, WNDPROC procedure);

}  // namespace toolkit
