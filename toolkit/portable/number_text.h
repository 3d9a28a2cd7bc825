#pragma once
// Conversions between numbers and text, as the program reads and writes them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace toolkit {

// Strict reading: the whole text must be one decimal number (sign, digits, fraction, exponent),
// blanks around it allowed. Anything else is no number, or raises a type-mismatch error.
std::optional<double> Parse_Number(std::string_view text);
double Number_From_Text(std::string_view text);

// Lenient reading: blanks anywhere are skipped and reading stops at the first character that cannot
// continue a number; no digits give 0.
double Val(std::string_view text);

// Writing: a leading blank for zero and positive values, a minus sign for negative ones.
std::string Number_Text(long long value);

}  // namespace toolkit
