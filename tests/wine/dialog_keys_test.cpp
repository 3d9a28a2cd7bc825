// The settings dialog by keyboard and to a screen reader: Tab reaches every option in reading order, Space and
// the arrows change them as the mouse does, and the accessibility query finds each one's role, name and state.
#include <gtest/gtest.h>
#include <oleacc.h>

#include "tests/wine/fixtures.h"

using namespace driver;

TEST(Dialog_Keys, TabArrowsAndSpaceChangeEveryOptionAsTheMouseDoes) {
  Open_Dialog d(L"keys", L"", {},
                [](const Install& install) { Write_Test_Bmp(install.Path(L"a.bmp"), 8, 8, Pattern); });
  ASSERT_NE(d.window, nullptr);
  auto element = [&](std::size_t i) {
    const auto all = Panel_Elements(d);
    return i < all.size() ? all[i] : Element{};
  };
  // The folder button, the list, then the kinds: *.gif is the fourth stop.
  for (int i = 0; i < 4; ++i) Press_Key(VK_TAB);
  EXPECT_TRUE(Wait_For([&] { return element(1).State & STATE_SYSTEM_FOCUSED; }));
  EXPECT_TRUE(element(1).Name == L"*.gif" && element(1).Role == ROLE_SYSTEM_CHECKBUTTON &&
              element(1).State & STATE_SYSTEM_CHECKED);
  Press_Key(VK_SPACE);
  EXPECT_TRUE(Wait_For([&] { return !(element(1).State & STATE_SYSTEM_CHECKED); }));
  // Past the other kinds and the clear button to the order, whose first radio the arrows leave for the last of its
  // group; then the size.
  for (const WORD key : {VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_TAB, VK_UP}) Press_Key(key);
  EXPECT_TRUE(Wait_For([&] { return element(6).State & STATE_SYSTEM_CHECKED; }));  // ﾗﾝﾀﾞﾑ
  EXPECT_TRUE(element(6).Role == ROLE_SYSTEM_RADIOBUTTON && element(6).Name == L"ﾗﾝﾀﾞﾑ");
  EXPECT_TRUE(element(4).Name == L"*.png" && element(4).Role == ROLE_SYSTEM_CHECKBUTTON);
  for (const WORD key : {VK_TAB, VK_RIGHT}) Press_Key(key);
  EXPECT_TRUE(Wait_For([&] { return element(8).State & STATE_SYSTEM_CHECKED; }));  // ﾌﾙｽｸﾘｰﾝ
  EXPECT_EQ(element(Count_Element).Role, ROLE_SYSTEM_STATICTEXT);
}
