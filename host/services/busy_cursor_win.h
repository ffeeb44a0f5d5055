// The wait cursor over the program's windows while it works without taking
// its messages (a document read and put in, or written). The system asks a
// window for its cursor through a message, so while the program is busy
// the last cursor it set stays: the wait cursor, until the work is done.
#pragma once

#include <windows.h>

namespace host {

class BusyCursor {
 public:
  // Calls nest: the cursor from before comes back with the outermost end.
  void begin();
  void end();

 private:
  int depth_ = 0;
  HCURSOR previous_ = nullptr;
};

}  // namespace host
