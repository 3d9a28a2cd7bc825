// The program's number rules: whole numbers, 16-bit ranges and the conversions between numbers and text.
#include <gtest/gtest.h>

#include "toolkit/portable/number_text.h"
#include "toolkit/portable/numbers.h"

using namespace toolkit;

TEST(Numbers, HalvingRoundsToEvenThenTruncatesAndRangesOverflowAsErrors) {
  // (value, half): 1280 x 1024 fitted to 1024 x 768 overhangs by 51.2; halves round to the even neighbour.
  for (const auto& [v, half] : {std::pair{768 - 819.2, -25}, {1024 - 576.0, 224}, {-51.0, -25}, {2.5, 1}, {3.5, 2}})
    EXPECT_EQ(Half_Of(v), half) << v;
  EXPECT_EQ(To_Int16(32767.4), 32767);
  EXPECT_EQ(To_Int16(-32768), -32768);
  EXPECT_EQ(Pixels_Of_Twips(1024 * 7.5, 7.5), 1024);  // 192 dpi: 7.5 twips to the pixel
  EXPECT_THROW(To_Int16(32767.5), Run_Error);
  EXPECT_THROW(Add16(32767, 1), Run_Error);
  EXPECT_THROW(To_Int32(2147483648.0), Run_Error);
}

TEST(Numbers, TextIsReadStrictlyOrLenientlyAndWrittenWithASignPosition) {
  for (const auto& [text, value] : {std::pair{" 1", 1.0}, {"1.9", 1.9}, {"-0.5 ", -0.5}, {"1e2", 100.0}, {".5", 0.5}})
    EXPECT_EQ(Number_From_Text(text), value) << text;
  for (const char* bad : {"", " ", "abc", "1 2", "12abc", "-", "0x10", "1,5"})
    EXPECT_THROW(Number_From_Text(bad), Run_Error) << bad;
  for (const auto& [text, value] :
       {std::pair{"1 2 3", 123.0}, {"  -7", -7.0}, {"12abc", 12.0}, {"", 0.0}, {"abc", 0.0}, {"65814", 65814.0}})
    EXPECT_EQ(Val(text), value) << text;
  for (const auto& [value, text] : {std::pair{0, " 0"}, {1, " 1"}, {-1, "-1"}, {32767, " 32767"}})
    EXPECT_EQ(Number_Text(value), text);
}
