#include "host/services/recovery_copy.h"

#include <gtest/gtest.h>

namespace host {
namespace {

const RecoveryCopy kCopy{Text("第一段\r\n\0第二段\r\n", 18), "D:\\稿子\\第三章.txt", DocumentEncoding::Utf8WithMark,
                         DateTime{46364.791666666664}};

TEST(RecoveryCopy, ReadsBackAsWritten) {
  EXPECT_EQ(read_recovery_copy(recovery_copy_bytes(kCopy)), kCopy);
  const RecoveryCopy untitled{"", "", DocumentEncoding::Gb18030, DateTime{0}};
  EXPECT_EQ(read_recovery_copy(recovery_copy_bytes(untitled)), untitled);
}

// A copy cut short anywhere, or with any one byte changed, is not taken.
TEST(RecoveryCopy, ACutOrChangedCopyIsNotTaken) {
  const std::string whole = recovery_copy_bytes(kCopy);
  for (std::size_t size = 0; size < whole.size(); ++size) {
    EXPECT_FALSE(read_recovery_copy(std::string_view(whole).substr(0, size))) << "cut to " << size;
  }
  for (std::size_t at = 0; at < whole.size(); ++at) {
    std::string changed = whole;
    changed[at] = static_cast<char>(changed[at] ^ 0x20);
    EXPECT_FALSE(read_recovery_copy(changed)) << "byte " << at;
  }
  EXPECT_FALSE(read_recovery_copy(whole + "x"));
}

}  // namespace
}  // namespace host
