#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_platform.h"

namespace qv::platform {
namespace {

TEST(Win32LibrariesTest, CallsAnExportByNameAndGivesNothingWhenEitherIsMissing) {
  Win32Libraries libraries;
  EXPECT_EQ(libraries.Load("qv_no_such_library.dll"), nullptr);
  EXPECT_EQ(libraries.CallIntInt(nullptr, "rateplan", 128, 0), std::nullopt);

  // Found by bare name beside the program.
  const Libraries::Handle calculator = libraries.Load("win32_library_fixture.dll");
  ASSERT_NE(calculator, nullptr);
  EXPECT_EQ(libraries.CallIntInt(calculator, "rateplan", 128, 0), 872);
  EXPECT_EQ(libraries.CallIntInt(calculator, "rateplan", -5, 3), 1008);
  EXPECT_EQ(libraries.CallIntInt(calculator, "noSuchExport", 128, 0), std::nullopt);
}

}  // namespace
}  // namespace qv::platform
