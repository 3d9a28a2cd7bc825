#pragma once
// The program handles run-time errors in three styles:
//  - most procedures skip a failing statement and run the next one: Resume_Next below;
//  - the picture-list walk ends at its first error and keeps what it found (catalogue/pict_list.cpp);
//  - the dialog's folder walk shows the platform's text for the error (dialog).
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

}  // namespace toolkit
