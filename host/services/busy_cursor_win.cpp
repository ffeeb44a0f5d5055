#include "host/services/busy_cursor_win.h"

namespace host {

void BusyCursor::begin() {
  if (depth_++ == 0) previous_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void BusyCursor::end() {
  if (depth_ == 0) return;
  // The pointer may have moved meanwhile; its next move brings the cursor of
  // whatever is under it.
  if (--depth_ == 0) SetCursor(previous_);
}

}  // namespace host
