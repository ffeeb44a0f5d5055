// Recovery of unsaved text. While the document differs from what was last
// opened or saved, a copy of it is kept on disk, written when typing pauses
// and never more than a few seconds behind; it goes when the document is
// saved, cleared, replaced, and at every clean exit. A copy that an unclean
// end left behind is offered back once the main window is up.
#pragma once

#include <cstdint>

#include "app/documents.h"
#include "host/host_api.h"

namespace app {

class Recovery {
 public:
  // Every tick looks whether the edit box changed; a pause of kPauseTicks
  // without change, or kMostTicksBehind since the last copy, writes one.
  static constexpr unsigned kTickMilliseconds = 250;
  static constexpr int kPauseTicks = 4;
  static constexpr int kMostTicksBehind = 20;

  Recovery(host::HostApi& host, Documents& documents);

  // Once the main window is up: the first tick offers a left copy back.
  void start();
  // Brings the copy up to date now: after a document command.
  void catch_up();
  // A clean exit: the copy goes, and no tick writes another.
  void end();

 private:
  void on_tick();
  void offer_left_copy();

  host::HostApi& host_;
  Documents& documents_;
  bool started_ = false;
  bool offer_pending_ = false;
  // Set while a box of its own runs, whose loop brings ticks too.
  bool busy_ = false;
  bool ended_ = false;
  bool kept_ = false;
  std::uint64_t written_changes_ = 0;
  std::uint64_t changes_at_last_tick_ = 0;
  int quiet_ticks_ = 0;
  int ticks_behind_ = 0;
};

}  // namespace app
