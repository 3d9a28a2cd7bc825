#pragma once
// The program handles run-time errors in three styles, each through one helper:
//  - most procedures skip a failing statement and run the next one: Resume_Next;
//  - the picture-list walk ends at its first error and keeps what it found: Walk_To_First_Error;
//  - the dialog's folder walk shows the platform's text for the error: Walk_Showing_Error (error_text.h).
// A memory shortage counts as a run-time error like any other.
#include <exception>
#include <utility>

namespace toolkit {

// Runs one statement; if it fails, the failure is dropped and the caller goes on with its next statement.
template <class Statement>
void Resume_Next(Statement&& statement) noexcept {
  try {
    std::forward<Statement>(statement)();
  } catch (const std::exception&) {
  }
}

// Runs a walk, which its first error ends; what it did before the error stays. False when an error ended it.
template <class Walk>
bool Walk_To_First_Error(Walk&& walk) noexcept {
  try {
    std::forward<Walk>(walk)();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace toolkit
