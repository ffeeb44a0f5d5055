#include "host/services/files.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_folder.h"

namespace host {
namespace {

using test_support::file_text;
using test_support::put_file;
using test_support::TempFolder;

std::span<const std::uint8_t> bytes_of(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

TEST(ReadFile, MissingEmptyAndUnreadableGiveNothing) {
  TempFolder folder;
  EXPECT_TRUE(read_file(folder.path_of("missing.txt")).empty());
  EXPECT_EQ(read_whole_file(folder.path_of("missing.txt")), Bytes());
  EXPECT_EQ(read_whole_file(folder.path_of("no folder/missing.txt")), Bytes());
  put_file(folder.path_of("empty.txt"), "");
  EXPECT_EQ(read_whole_file(folder.path_of("empty.txt")), Bytes());
  // A folder is there but cannot be read as a file.
  EXPECT_EQ(read_whole_file(folder.path_of("")), std::nullopt);
  EXPECT_TRUE(read_file(folder.path_of("")).empty());
  EXPECT_EQ(read_whole_file(""), std::nullopt);
  EXPECT_FALSE(is_readable_file(folder.path_of("missing.txt")));
  EXPECT_TRUE(is_readable_file(folder.path_of("empty.txt")));
  EXPECT_FALSE(is_readable_file(folder.path_of("")));
}

TEST(ReadFile, ReadsEveryByte) {
  TempFolder folder;
  const std::string content("a\0b\r\n你", 7);
  put_file(folder.path_of("doc.txt"), content);
  EXPECT_EQ(read_file(folder.path_of("doc.txt")), Bytes(content.begin(), content.end()));
}

TEST(WriteFile, WritesThePartsInOrder) {
  TempFolder folder;
  const std::span<const std::uint8_t> parts[] = {bytes_of("ab"), bytes_of(""), bytes_of("你")};
  ASSERT_TRUE(write_file(folder.path_of("doc.txt"), parts));
  EXPECT_EQ(file_text(folder.path_of("doc.txt")), "ab你");
  ASSERT_TRUE(write_file(folder.path_of("doc.txt"), bytes_of("")));
  EXPECT_EQ(file_text(folder.path_of("doc.txt")), "");
  EXPECT_EQ(folder.entry_count(), 1u);  // no temporary file left behind
}

TEST(WriteFile, FailsWithoutHarmWhereItCannotWrite) {
  TempFolder folder;
  EXPECT_FALSE(write_file("", bytes_of("x")));
  EXPECT_FALSE(write_file(folder.path_of("no folder/doc.txt"), bytes_of("x")));
  EXPECT_FALSE(write_file(folder.path_of(""), bytes_of("x")));  // a folder
  EXPECT_FALSE(write_file(folder.path_of("a") + std::string(1, '\0') + "b", bytes_of("x")));
  EXPECT_EQ(folder.entry_count(), 0u);
}

// A full disk: the old file stays as it was and the temporary file goes.
// Needs the right to mount a small tmpfs, which root has on the build machines.
TEST(WriteFile, FullDiskLeavesTheOldFile) {
  TempFolder folder;
  const Text mount_point = folder.path_of("small");
  std::filesystem::create_directory(mount_point);
  if (geteuid() != 0 || mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=1m") != 0) {
    GTEST_SKIP() << "cannot mount a tmpfs here";
  }
  struct Unmount {
    const Text& point;
    ~Unmount() { umount(point.c_str()); }
  } unmount{mount_point};
  const Text path = mount_point + "/doc.txt";
  put_file(path, "old");
  const std::string big(2 << 20, 'x');
  EXPECT_FALSE(write_file(path, bytes_of(big)));
  EXPECT_EQ(file_text(path), "old");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(mount_point), std::filesystem::directory_iterator()), 1);
}

TEST(ProgramDirectory, IsTheFolderOfTheRunningProgram) {
  const Text folder = program_directory();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '/');
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(folder) / "native_tests"));
}

}  // namespace
}  // namespace host
