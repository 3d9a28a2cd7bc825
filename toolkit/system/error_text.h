#pragma once
// The text of a run-time error, as the dialog's folder scan shows it: the system's own message for a
// failed system call, the runtime's for the others.
#include <windows.h>

#include <exception>
#include <string>
#include <utility>

namespace toolkit {

void Show_Error_Text(HWND owner, const std::exception& error);

std::wstring Error_Text(const std::exception& error);

// Runs a walk, which its first error ends, and shows the error's text in a message box over the owner. False when
// an error ended it.
template <class Walk>
bool Walk_Showing_Error(HWND owner, Walk&& walk) {
  try {
    std::forward<Walk>(walk)();
    return true;
  } catch (const std::exception& e) {
    Show_Error_Text(owner, e);
    return false;
  }
}

}  // namespace toolkit
