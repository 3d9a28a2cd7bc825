#pragma once
// The program's entry procedure.
#include <memory>
#include <string>

#include "toolkit/controls/app.h"
#include "toolkit/controls/form.h"

namespace Quorvantile_B {

// The upper-cased second character of the command line; empty for a shorter command line.
std::wstring Mode_Letter();

// True on the NT family.
bool Is_NT();

// Start-up: single-instance test, then the mode of the command line. Gives the form that runs on (the preview, the
// dialog or the saver screen), which lives as long as the program; every other mode ends the program.
std::unique_ptr<toolkit::Form> Main(toolkit::App& app);

}  // namespace Quorvantile_B
