#include <windows.h>

#include <gtest/gtest.h>

#include "host/services/config.h"
#include "host/services/convert.h"
#include "support/temp_folder.h"

namespace host {
namespace {

using test_support::file_text;
using test_support::put_file;
using test_support::TempFolder;

const Text kSection = "配置";
const Text kTextColour = "文本颜色";
const Text kBackColour = "背景颜色";
const Text kFontSize = "字体大小";
constexpr std::string_view kSettingsFolder = "设置";

TEST(Configuration, RoundTripInAChineseFolder) {
  TempFolder folder(kSettingsFolder);
  const Text ini = folder.path_of("zelvorin.ini");
  EXPECT_EQ(read_configuration_item(ini, kSection, kFontSize, "18"), "18");
  EXPECT_EQ(folder.entry_count(), 0u);  // reading creates nothing

  ASSERT_TRUE(write_configuration_item(ini, kSection, kTextColour, to_text(std::int32_t{0xFF0000})));
  EXPECT_EQ(file_text(folder.path_of("zelvorin.ini")), "[" + kSection + "]\r\n" + kTextColour + "=16711680\r\n");
  ASSERT_TRUE(write_configuration_item(ini, kSection, kFontSize, Text("18")));
  ASSERT_TRUE(write_configuration_item(ini, kSection, kBackColour, Text("12615935")));
  ASSERT_TRUE(write_configuration_item(ini, kSection, kTextColour, Text("255")));

  EXPECT_EQ(to_integer(read_configuration_item(ini, kSection, kTextColour, "0")), 255);
  EXPECT_EQ(to_integer(read_configuration_item(ini, kSection, kBackColour, "0")), 12615935);
  EXPECT_EQ(to_integer(read_configuration_item(ini, kSection, kFontSize, "0")), 18);
  EXPECT_EQ(file_text(folder.path_of("zelvorin.ini")), "[" + kSection + "]\r\n" + kTextColour + "=255\r\n" + kFontSize +
                                                             "=18\r\n" + kBackColour + "=12615935\r\n");
  EXPECT_EQ(folder.entry_count(), 1u);
}

// What is written reads back through the platform's own profile functions.
TEST(Configuration, WrittenFilesSuitTheProfileFunctions) {
  TempFolder folder;
  ASSERT_TRUE(write_configuration_item(folder.path_of("plain.ini"), "Window", Text("Width"), Text("640")));
  ASSERT_TRUE(write_configuration_item(folder.path_of("plain.ini"), "Window", Text("Height"), Text("480")));
  wchar_t value[32] = {};
  GetPrivateProfileStringW(L"window", L"HEIGHT", L"", value, 32, folder.native_file("plain.ini").c_str());
  EXPECT_STREQ(value, L"480");
}

// A settings file that another program holds open for writing cannot be
// read; the defaults are used and a write fails instead of replacing it.
TEST(Configuration, FileBeingWrittenByAnotherProgram) {
  TempFolder folder;
  const Text path = folder.path_of("zelvorin.ini");
  const std::string settings = "[" + kSection + "]\r\n" + kFontSize + "=30\r\n";
  put_file(path, settings);
  const HANDLE writer = CreateFileW(folder.native_file("zelvorin.ini").c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(read_configuration_item(folder.path_of("zelvorin.ini"), kSection, kFontSize, "18"), "18");
  EXPECT_FALSE(write_configuration_item(folder.path_of("zelvorin.ini"), kSection, kTextColour, Text("1")));
  CloseHandle(writer);
  EXPECT_EQ(file_text(path), settings);
  EXPECT_EQ(folder.entry_count(), 1u);
}

}  // namespace
}  // namespace host
