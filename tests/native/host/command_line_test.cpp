#include "host/services/command_line.h"

#include <gtest/gtest.h>

namespace host {
namespace {

TEST(FirstArgument, NoneAfterTheProgramName) {
  EXPECT_EQ(first_argument(L"\"C:\\Program Files\\Verbrook.exe\""), L"");
  EXPECT_EQ(first_argument(L"Verbrook.exe   "), L"");
  EXPECT_EQ(first_argument(L""), L"");
}

// As Explorer's "Open with" passes it: the program and the file, both quoted.
TEST(FirstArgument, AQuotedNameKeepsItsBlanksAndTheRestIsLeft) {
  EXPECT_EQ(first_argument(L"\"C:\\写作 工具\\Verbrook.exe\" \"D:\\稿件 一\\第一章.txt\" /x y"),
            L"D:\\稿件 一\\第一章.txt");
  EXPECT_EQ(first_argument(L"Verbrook.exe\t稿.txt other.txt"), L"稿.txt");
  EXPECT_EQ(first_argument(L"\"Verbrook.exe\"稿.txt"), L"稿.txt");
  EXPECT_EQ(first_argument(L"Verbrook.exe 半\"个 名\"字.txt"), L"半个 名字.txt");
}

TEST(FirstArgument, BackslashesAreLiteralExceptBeforeAQuote) {
  EXPECT_EQ(first_argument(L"v.exe \"C:\\稿件\\\\\" x"), L"C:\\稿件\\");
  EXPECT_EQ(first_argument(L"v.exe a\\\\\\\"b"), L"a\\\"b");
  EXPECT_EQ(first_argument(L"v.exe \\\\server\\share\\a.txt"), L"\\\\server\\share\\a.txt");
}

}  // namespace
}  // namespace host
