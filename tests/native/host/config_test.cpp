#include "host/services/config.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "support/temp_folder.h"

namespace host {
namespace {

using test_support::file_text;
using test_support::put_file;
using test_support::TempFolder;

constexpr std::string_view kSettings = "[s]\r\nk=v\r\n";

TEST(ReadConfigurationItem, StoredValueOrDefault) {
  TempFolder folder;
  const Text ini = folder.path_of("settings.ini");
  put_file(ini, kSettings);
  EXPECT_EQ(read_configuration_item(ini, "s", "k", "d"), "v");
  EXPECT_EQ(read_configuration_item(ini, "s", "missing", "d"), "d");
  EXPECT_EQ(read_configuration_item(ini, "other", "k", "d"), "d");
  EXPECT_EQ(read_configuration_item(folder.path_of("missing.ini"), "s", "k", "d"), "d");
  EXPECT_EQ(read_configuration_item(ini, "s", "missing"), "");
}

TEST(ReadConfigurationItem, EmptyNamesGiveEmptyNotTheDefault) {
  TempFolder folder;
  const Text ini = folder.path_of("settings.ini");
  put_file(ini, kSettings);
  EXPECT_EQ(read_configuration_item(ini, "s", "", "d"), "");
  EXPECT_EQ(read_configuration_item(ini, "s", " \t\x01", "d"), "");
  EXPECT_EQ(read_configuration_item(ini, "", "k", "d"), "");
  EXPECT_EQ(read_configuration_item("  ", "s", "k", "d"), "");
}

TEST(ReadConfigurationItem, SkipsLeadingControlBytes) {
  TempFolder folder;
  const Text ini = folder.path_of("settings.ini");
  put_file(ini, kSettings);
  EXPECT_EQ(read_configuration_item(" \t" + ini, "\x01s", "\x1f k", "d"), "v");
}

TEST(ReadConfigurationItem, CutsLongValuesAtCharacterBoundaries) {
  TempFolder folder;
  const Text ini = folder.path_of("settings.ini");
  put_file(ini, "[s]\r\nk=" + Text(1 << 20, 'x') + "\r\n");
  EXPECT_EQ(read_configuration_item(ini, "s", "k"), Text(kMaxConfigValueBytes, 'x'));
  // 10238 ASCII bytes, then a double-byte character that would straddle the cut.
  put_file(ini, "[s]\r\nk=" + Text(kMaxConfigValueBytes - 1, 'x') + "你\r\n");
  EXPECT_EQ(read_configuration_item(ini, "s", "k"), Text(kMaxConfigValueBytes - 1, 'x'));
}

// The file is read whole and looked up as bytes: NULs, Ctrl+Z and bytes of
// any value are just bytes, and the longest value is cut the same way.
TEST(ConfigurationItemIn, GivesWhatTheFileHoldingTheBytesGives) {
  TempFolder folder;
  const Text ini = folder.path_of("settings.ini");
  const char binary_bytes[] = "\0\xff\n[s]\r\nk=\0v\r\n\x1a";
  const Text binary(binary_bytes, sizeof binary_bytes - 1);
  const Text contents[] = {
      "",
      binary,
      "k=v\r\n[t]\r\nk=w\r\n",
      "[ s ]\r\n  k = 'quoted' \r\n",
      "[s]\r\nk=" + Text(1 << 20, '9') + "\r\n",
  };
  for (const Text& content : contents) {
    put_file(ini, content);
    EXPECT_EQ(configuration_item_in(content, "s", "k", "d"), read_configuration_item(ini, "s", "k", "d"))
        << content.substr(0, 40);
  }
  EXPECT_EQ(configuration_item_in(binary, "s", "k", "d"), Text("\0v", 2));
  EXPECT_EQ(configuration_item_in("[s]\r\nk=v\r\n", " ", "k", "d"), "");
}

TEST(WriteConfigurationItem, CreatesTheFile) {
  TempFolder folder;
  const Text ini = folder.path_of("settings.ini");
  ASSERT_TRUE(write_configuration_item(ini, "s", Text("k"), Text("1")));
  EXPECT_EQ(file_text(ini), "[s]\r\nk=1\r\n");
  ASSERT_TRUE(write_configuration_item(ini, "s", Text("j"), Text("2")));
  ASSERT_TRUE(write_configuration_item(ini, "t", Text("k"), Text("3")));
  EXPECT_EQ(file_text(ini), "[s]\r\nk=1\r\nj=2\r\n[t]\r\nk=3\r\n");
  EXPECT_EQ(read_configuration_item(ini, "s", "j"), "2");
}

// All items in one write, or none when one of them cannot be stored.
TEST(WriteConfigurationItems, StoresAllOrNothing) {
  TempFolder folder;
  const Text ini = folder.path_of("settings.ini");
  put_file(ini, "[s]\r\nk=1\r\n[t]\r\nk=3\r\n");
  const ConfigurationItem items[] = {{"k", "10"}, {"j", "20"}};
  ASSERT_TRUE(write_configuration_items(ini, "s", items));
  EXPECT_EQ(file_text(ini), "[s]\r\nk=10\r\nj=20\r\n[t]\r\nk=3\r\n");
  const ConfigurationItem broken[] = {{"k", "11"}, {"j", "2\r\n[x]"}};
  EXPECT_FALSE(write_configuration_items(ini, "s", broken));
  EXPECT_EQ(file_text(ini), "[s]\r\nk=10\r\nj=20\r\n[t]\r\nk=3\r\n");
}

TEST(WriteConfigurationItem, OmittedValueRemovesTheKeyAndOmittedKeyTheSection) {
  TempFolder folder;
  const Text ini = folder.path_of("settings.ini");
  put_file(ini, "[s]\r\nk=1\r\nj=2\r\n[t]\r\nk=3\r\n");
  ASSERT_TRUE(write_configuration_item(ini, "s", Text("k"), std::nullopt));
  EXPECT_EQ(file_text(ini), "[s]\r\nj=2\r\n[t]\r\nk=3\r\n");
  ASSERT_TRUE(write_configuration_item(ini, "s", std::nullopt, std::nullopt));
  EXPECT_EQ(file_text(ini), "[t]\r\nk=3\r\n");
  EXPECT_EQ(read_configuration_item(ini, "s", "j", "gone"), "gone");
}

TEST(WriteConfigurationItem, NothingToChangeWritesNothing) {
  TempFolder folder;
  const Text ini = folder.path_of("settings.ini");
  EXPECT_TRUE(write_configuration_item(ini, "s", Text("k"), std::nullopt));
  EXPECT_TRUE(write_configuration_item(ini, "s", std::nullopt, std::nullopt));
  EXPECT_EQ(folder.entry_count(), 0u);
  put_file(ini, kSettings);
  struct stat before {}, after {};
  ASSERT_EQ(stat(ini.c_str(), &before), 0);
  EXPECT_TRUE(write_configuration_item(ini, "s", Text("k"), Text("v")));
  ASSERT_EQ(stat(ini.c_str(), &after), 0);
  EXPECT_EQ(before.st_ino, after.st_ino);  // not replaced
}

TEST(WriteConfigurationItem, RefusesWhatWouldNotReadBack) {
  TempFolder folder;
  const Text ini = folder.path_of("settings.ini");
  put_file(ini, kSettings);
  EXPECT_FALSE(write_configuration_item("", "s", Text("k"), Text("v")));
  EXPECT_FALSE(write_configuration_item(ini, " ", Text("k"), Text("v")));
  EXPECT_FALSE(write_configuration_item(ini, "s", Text(" "), Text("v")));
  EXPECT_FALSE(write_configuration_item(ini, "s", Text("k"), Text("1\r\n[x]")));
  EXPECT_FALSE(write_configuration_item(ini, "s\n", Text("k"), Text("v")));
  EXPECT_FALSE(write_configuration_item(ini, "s", Text("a=b"), Text("v")));
  EXPECT_FALSE(write_configuration_item(ini, "s", Text(";k"), Text("v")));
  EXPECT_FALSE(write_configuration_item(ini, "s", Text("[k"), Text("v")));
  EXPECT_EQ(file_text(ini), kSettings);
}

// A file that is there but cannot be read must not be replaced by one made
// from nothing.
TEST(WriteConfigurationItem, LeavesAnUnreadableFileAlone) {
  TempFolder folder;
  EXPECT_FALSE(write_configuration_item(folder.path_of(""), "s", Text("k"), Text("v")));
  EXPECT_EQ(folder.entry_count(), 0u);
}

}  // namespace
}  // namespace host
