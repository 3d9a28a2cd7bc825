#pragma once
// The text of a run-time error, as the dialog's folder scan shows it: the system's own message for a
// failed system call, the runtime's for the others.
#include <exception>
#include <string>

namespace toolkit {

std::wstring Error_Text(const std::exception& error);

}  // namespace toolkit
