#include "host/services/value.h"

#include <gtest/gtest.h>

namespace host {
namespace {

TEST(Array, MemberCountIsTheProductOfTheSizes) {
  EXPECT_EQ(Array<int>{}.member_count(), 0u);
  EXPECT_EQ((Array<int>{{2, 3}, {}}).member_count(), 6u);
  EXPECT_EQ(Array<Text>::one_dimensional({"a", "b"}).member_count(), 2u);
  EXPECT_EQ(Array<Text>::one_dimensional({}).member_count(), 0u);
}

}  // namespace
}  // namespace host
