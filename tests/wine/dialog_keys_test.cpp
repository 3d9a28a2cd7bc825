// The settings dialog by keyboard and to a screen reader: Tab reaches every option in reading order, Space
// and the arrow keys change them as the mouse does, and the system's accessibility query finds each
// option's role, name and state.
#include <gtest/gtest.h>
#include <oleacc.h>

#include "tests/wine/dialog_fixture.h"
#include "tests/wine/ini_bytes.h"

using namespace driver;

namespace {

void Press(WORD key, int times = 1) {
  for (int i = 0; i < times; ++i) Press_Key(key);
}

}  // namespace

TEST(Dialog_Keys, TabArrowsAndSpaceChangeEveryOptionAsTheMouseDoes) {
  Open_Dialog d(L"keys", L"", {}, [](const Install& install) {
    Write_Test_Bmp(install.Path(L"a.bmp"), 8, 8, Pattern);
  });
  ASSERT_NE(d.window, nullptr);
  ASSERT_TRUE(Wait_For([&] { return GetForegroundWindow() == d.window; }));
  auto element = [&](std::size_t i) {
    const auto all = Panel_Elements(d);
    return i < all.size() ? all[i] : Element{};
  };
  // The folder button, the list, then the kinds: *.gif is the fourth stop.
  Press(VK_TAB, 4);
  EXPECT_TRUE(Wait_For([&] { return element(1).State & STATE_SYSTEM_FOCUSED; }));
  EXPECT_EQ(element(1).Name, L"*.gif");
  EXPECT_EQ(element(1).Role, ROLE_SYSTEM_CHECKBUTTON);
  EXPECT_TRUE(element(1).State & STATE_SYSTEM_CHECKED);
  Press(VK_SPACE);
  EXPECT_TRUE(Wait_For([&] { return !(element(1).State & STATE_SYSTEM_CHECKED); }));
  // Past the other kinds and the clear button to the order, then the size.
  Press(VK_TAB, 4);
  Press(VK_DOWN);
  EXPECT_TRUE(Wait_For([&] { return element(5).State & STATE_SYSTEM_CHECKED; }));  // ﾗﾝﾀﾞﾑ
  EXPECT_EQ(element(5).Role, ROLE_SYSTEM_RADIOBUTTON);
  EXPECT_EQ(element(5).Name, L"ﾗﾝﾀﾞﾑ");
  Press(VK_TAB);
  Press(VK_RIGHT);
  EXPECT_TRUE(Wait_For([&] { return element(7).State & STATE_SYSTEM_CHECKED; }));  // ﾌﾙｽｸﾘｰﾝ
  EXPECT_EQ(element(8).Role, ROLE_SYSTEM_STATICTEXT);  // the count
  Press(VK_RETURN);
  ASSERT_TRUE(d.Ended());
  const std::string file = Without_Sign_Blanks(Read_Bytes(d.install.Ini()));
  EXPECT_NE(file.find(Key::Change + "=1\r\n" + Key::Size + "=1\r\n"), std::string::npos) << file;
  EXPECT_NE(file.find(Key::Kind(1) + "=0\r\n"), std::string::npos) << file;
}
