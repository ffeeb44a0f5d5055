#include "host/services/common_dialog.h"

#include <gtest/gtest.h>

namespace host {
namespace {

TEST(FileDialogFilter, ReadsDescriptionsAndPatterns) {
  const struct {
    std::string_view filter;
    std::vector<FilterEntry> entries;
  } cases[] = {
      // The form's filter: a lone pattern serves as its own, with a readable name.
      {"*.txt", {{"\xce\xc4\xb1\xbe\xce\xc4\xbc\xfe (*.txt)", "*.txt"}}},
      {"*.TXT", {{"文本文件 (*.txt)", "*.TXT"}}},
      {"*.log", {{"*.log", "*.log"}}},
      {"", {}},
      {"文本|*.txt", {{"文本", "*.txt"}}},
      {"文本|*.txt||", {{"文本", "*.txt"}}},
      {"Text|*.txt;*.log|All|*.*", {{"Text", "*.txt;*.log"}, {"All", "*.*"}}},
      // "||" ends the list, as a double NUL does.
      {"Text|*.txt||All|*.*", {{"Text", "*.txt"}}},
      {"Text|*.txt|*.log", {{"Text", "*.txt"}, {"*.log", "*.log"}}},
      {"*.txt|", {{"文本文件 (*.txt)", "*.txt"}}},
      {"|*.txt", {}},  // no description: nothing before the end
      {"|", {}},
      // 亅 is 81 7C: its trail byte is no separator.
      {"\x81\x7c|*.txt", {{"\x81\x7c", "*.txt"}}},
  };
  for (const auto& c : cases) EXPECT_EQ(filter_entries(c.filter), c.entries) << c.filter;
}

TEST(FileDialogFilter, TheIndexBecomesAOneBasedNumberInTheList) {
  EXPECT_EQ(filter_number(0, 2), 1u);
  EXPECT_EQ(filter_number(1, 2), 2u);
  EXPECT_EQ(filter_number(2, 2), 1u);
  EXPECT_EQ(filter_number(-1, 2), 1u);
  EXPECT_EQ(filter_number(0, 0), 0u);
}

TEST(FileDialogDefaultExtension, KeepsTheExtensionAlone) {
  const struct {
    std::string_view stored;
    std::string_view extension;
  } cases[] = {
      {"*.txt", "txt"}, {".txt", "txt"}, {"txt", "txt"}, {"*.tar.gz", "tar.gz"},
      {"", ""},         {"*.*", ""},     {"*.", ""},       {"t?t", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(default_extension_of(c.stored), c.extension) << c.stored;
}

TEST(FileDialogOptions, AFileMustExistOnlyForTheOpenDialog) {
  const FileDialogOptions asked{true, true, true, true, true};
  EXPECT_EQ(shown_options(asked, false), asked);
  EXPECT_EQ(shown_options(asked, true), (FileDialogOptions{true, false, true, true, true}));
}

TEST(FontDialogSize, TenthsOfAPointRoundToWholePoints) {
  const struct {
    std::int32_t tenths;
    std::int32_t points;
  } cases[] = {{180, 18}, {105, 11}, {104, 10}, {0, 0}, {-105, -11}, {95, 10}};
  for (const auto& c : cases) EXPECT_EQ(points_of_tenths(c.tenths), c.points) << c.tenths;
}

}  // namespace
}  // namespace host
