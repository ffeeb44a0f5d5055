#include <windows.h>

#include <gtest/gtest.h>

// The platform converts GBK whatever the system's code page is.
TEST(Platform, ConvertsGbkWhateverTheCodePage) {
  const char gbk[] = "\xc4\xe3\xba\xc3";  // 你好
  wchar_t wide[8] = {};
  ASSERT_EQ(MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, gbk, -1, wide, 8), 3);
  EXPECT_EQ(wide[0], 0x4F60);
  EXPECT_EQ(wide[1], 0x597D);
}
