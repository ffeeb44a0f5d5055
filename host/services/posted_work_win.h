// Work for the user-interface thread's next turn: a message posted to a
// message-only window of its own runs it when a message loop comes to it,
// after what the thread is doing now and before its next timer tick or paint
// (posted messages come first).
#pragma once

#include <windows.h>

#include <functional>
#include <utility>

#include "host/services/handles_win.h"

namespace host {

class PostedWork {
 public:
  explicit PostedWork(std::function<void()> work) : work_(std::move(work)) {}
  PostedWork(const PostedWork&) = delete;
  PostedWork& operator=(const PostedWork&) = delete;

  // Asks for the work to run; asked again before it has run, it still runs
  // once. False when the system gives no window to post to.
  bool post();
  // Forgets a post that has not run yet.
  void cancel();

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

  std::function<void()> work_;
  OwnedWindow window_;
  bool posted_ = false;
};

}  // namespace host
