#pragma once
// Run-time errors of the program. A failing operation throws one; the caller's error style decides
// what happens next (see error_styles.h).
#include <cstdint>
#include <stdexcept>
#include <string>

namespace toolkit {

enum class Error_Kind {
  Overflow,       // a value left its 16- or 32-bit range
  Type_Mismatch,  // text that is not a number
  File,           // a file-system call failed; Code holds the platform's error number
  Invalid_Call,   // an argument the call cannot take
};

class Run_Error : public std::runtime_error {
 public:
  Run_Error(Error_Kind kind, const std::string& what, std::uint32_t code = 0)
      : std::runtime_error(what), Kind(kind), Code(code) {}
  Error_Kind Kind;
  std::uint32_t Code;
};

[[noreturn]] inline void Raise_Overflow() { throw Run_Error(Error_Kind::Overflow, "Overflow"); }

}  // namespace toolkit
