#include "toolkit/portable/number_text.h"

#include <cctype>
#include <cstdlib>

#include "toolkit/portable/run_error.h"

namespace toolkit {
namespace {

bool Is_Blank(char c) { return c == ' ' || c == '\t'; }
bool Is_Digit(char c) { return c >= '0' && c <= '9'; }

// Length of the longest prefix of s that is a decimal number (0 when s does not start with one).
std::size_t Number_Length(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && Is_Digit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && Is_Digit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    std::size_t exp_digits = 0;
    while (j < s.size() && Is_Digit(s[j])) ++j, ++exp_digits;
    if (exp_digits > 0) i = j;
  }
  return i;
}

double Parse_Prefix(std::string_view s, std::size_t length) {
  return std::strtod(std::string(s.substr(0, length)).c_str(), nullptr);
}

}  // namespace

std::optional<double> Parse_Number(std::string_view text) {
  while (!text.empty() && Is_Blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && Is_Blank(text.back())) text.remove_suffix(1);
  const std::size_t length = Number_Length(text);
  if (length == 0 || length != text.size()) return std::nullopt;
  return Parse_Prefix(text, length);
}

double Number_From_Text(std::string_view text) {
  const std::optional<double> number = Parse_Number(text);
  if (!number) throw Run_Error(Error_Kind::Type_Mismatch, "Type mismatch");
  return *number;
}

double Val(std::string_view text) {
  std::string packed;
  for (char c : text)
    if (!Is_Blank(c) && c != '\n' && c != '\r') packed += c;
  return Parse_Prefix(packed, Number_Length(packed));
}

std::string Number_Text(long long value) {
  std::string text = std::to_string(value);
  if (value >= 0) text.insert(text.begin(), ' ');
  return text;
}

}  // namespace toolkit
