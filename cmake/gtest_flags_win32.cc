// GoogleTest for the Win32 thread model is built without its death tests, which need threads; what the rest
// of it asks of them is answered here: no death test runs, none can be made.
#include <gtest/gtest.h>

GTEST_DEFINE_string_(death_test_style, "fast", "");
GTEST_DEFINE_bool_(death_test_use_fork, false, "");
GTEST_DEFINE_string_(internal_run_death_test, "", "");

namespace testing::internal {

InternalRunDeathTestFlag* ParseInternalRunDeathTestFlag() { return nullptr; }

bool DefaultDeathTestFactory::Create(const char*, Matcher<const std::string&>, const char*, int, DeathTest** test) {
  *test = nullptr;
  return false;
}

}  // namespace testing::internal
