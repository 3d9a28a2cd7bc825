// An in-memory settings file behind the profile functions, for the native tests.
#include "tests/unit/fake_profile.h"

#include "settings/profile.h"

namespace fake_profile {

std::vector<Line>& Lines() {
  static std::vector<Line> lines;
  return lines;
}

}  // namespace fake_profile

namespace Quorvantile_B {

std::string Get_Ini(const std::string& Section, const std::string& Key, const std::string& File) {
  for (const auto& l : fake_profile::Lines())
    if (l.File == File && l.Section == Section && l.Key == Key) return l.Value;
  return {};
}

void Put_Ini(const std::string& Section, const std::string& Key, const std::string& Value, const std::string& File) {
  for (auto& l : fake_profile::Lines())
    if (l.File == File && l.Section == Section && l.Key == Key) {
      l.Value = Value;
      return;
    }
  fake_profile::Lines().push_back({File, Section, Key, Value});
}

}  // namespace Quorvantile_B
