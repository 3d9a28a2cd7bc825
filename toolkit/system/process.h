#pragma once
// The process: its command line, its folder, and its end.
#include <string>

namespace toolkit {

// The argument text of the process, without the program's own path; read afresh on every call.
std::wstring Command();

// The folder that holds the executable, without a trailing separator unless it is a drive root.
std::wstring App_Path();

// Stops the whole process at once: no unload handler runs afterwards, whatever else is under way.
[[noreturn]] void End_Program();

}  // namespace toolkit
