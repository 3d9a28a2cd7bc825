#pragma once
#include <string>
#include <vector>

namespace fake_profile {

struct Line {
  std::string File, Section, Key, Value;
};

// Every value written, in the order of first writing.
std::vector<Line>& Lines();

}  // namespace fake_profile
