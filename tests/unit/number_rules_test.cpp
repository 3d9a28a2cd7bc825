// The program's number rules: rounding, 16-bit ranges and the conversions between numbers and text.
#include <gtest/gtest.h>

#include "toolkit/number_text.h"
#include "toolkit/numbers.h"

using namespace toolkit;

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(Round_Half_Even(2.5), 2);
  EXPECT_EQ(Round_Half_Even(3.5), 4);
  EXPECT_EQ(Round_Half_Even(-2.5), -2);
  EXPECT_EQ(Round_Half_Even(66.67), 67);
}

TEST(Rounding, HalfOfRoundsFirstThenTruncatesTowardZero) {
  EXPECT_EQ(Half_Of(768 - 819.2), -25);  // a 1280 x 1024 picture fitted to 1024 x 768
  EXPECT_EQ(Half_Of(1024 - 576.0), 224);
  EXPECT_EQ(Half_Of(-51), -25);
  EXPECT_EQ(Half_Of(2.5), 1);  // 2.5 rounds to 2
  EXPECT_EQ(Half_Of(3.5), 2);  // 3.5 rounds to 4
}

TEST(Ranges, SixteenBitValuesOverflowAsErrors) {
  EXPECT_EQ(To_Int16(32767.4), 32767);
  EXPECT_THROW(To_Int16(32767.5), Run_Error);
  EXPECT_EQ(To_Int16(-32768), -32768);
  EXPECT_THROW(Add16(32767, 1), Run_Error);
  EXPECT_THROW(To_Int32(2147483648.0), Run_Error);
}

TEST(Number_Text, StrictReadingAcceptsOneNumberWithBlanksAround) {
  EXPECT_EQ(Number_From_Text(" 1"), 1);
  EXPECT_EQ(Number_From_Text("1.9"), 1.9);
  EXPECT_EQ(Number_From_Text("-0.5 "), -0.5);
  EXPECT_EQ(Number_From_Text("1e2"), 100);
  EXPECT_EQ(Number_From_Text(".5"), 0.5);
  for (const char* bad : {"", " ", "abc", "1 2", "12abc", "-", "0x10", "1,5"})
    EXPECT_THROW(Number_From_Text(bad), Run_Error) << bad;
}

TEST(Number_Text, LenientReadingSkipsBlanksAndStopsAtTheFirstStranger) {
  EXPECT_EQ(Val("1 2 3"), 123);
  EXPECT_EQ(Val("  -7"), -7);
  EXPECT_EQ(Val("12abc"), 12);
  EXPECT_EQ(Val(""), 0);
  EXPECT_EQ(Val("abc"), 0);
  EXPECT_EQ(Val("65814"), 65814);
}

TEST(Number_Text, WritingReservesASignPosition) {
  EXPECT_EQ(Number_Text(0), " 0");
  EXPECT_EQ(Number_Text(1), " 1");
  EXPECT_EQ(Number_Text(-1), "-1");
  EXPECT_EQ(Number_Text(32767), " 32767");
}
