#include "host/services/busy_cursor_win.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace host {
namespace {

TEST(BusyCursor, TheWaitCursorStaysUntilTheOutermostEnd) {
  const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  SetCursor(arrow);
  BusyCursor busy;
  busy.begin();
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  busy.begin();
  busy.end();
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_WAIT));
  busy.end();
  EXPECT_EQ(GetCursor(), arrow);
  busy.end();  // one end too many changes nothing
  EXPECT_EQ(GetCursor(), arrow);
}

}  // namespace
}  // namespace host
