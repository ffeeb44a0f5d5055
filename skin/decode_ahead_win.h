// Start-up and decoding away from the user-interface thread: a thread of its
// own starts the skin layer (loading and starting GDI+ takes tens of
// milliseconds that the first window need not wait for) and then decodes the
// images it is given, in their order, one ahead of its use. They are
// decoded through the same calls as on the spot (image_from_bytes), so a
// window shows the same picture either way.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

#include "skin/image_win.h"

namespace skin {

class DecodeAhead {
 public:
  // At most this many decoded images wait to be taken: a frame decodes in a
  // tenth of the splash's tick, and every picture waiting is half a megabyte
  // that the process heap keeps once it has grown for it.
  static constexpr std::size_t kMostWaiting = 1;

  DecodeAhead() = default;
  ~DecodeAhead() { stop(); }
  DecodeAhead(const DecodeAhead&) = delete;
  DecodeAhead& operator=(const DecodeAhead&) = delete;

  // Starts the thread, which starts the skin layer first; once.
  void start();
  // Stops the thread; images not taken are released. It can start again.
  void stop();
  // The images to decode, in the order they will be asked for; the bytes
  // must outlive this object.
  void decode(std::vector<std::span<const std::uint8_t>> images);
  // The decoded image of these bytes when they are the next in line (waiting
  // for it if need be), else an empty one: the caller decodes them itself.
  // Before the thread has started there is none.
  Image take(std::span<const std::uint8_t> bytes);

 private:
  void run();

  std::mutex mutex_;
  std::condition_variable changed_;
  bool started_ = false;
  bool stopping_ = false;
  std::vector<std::span<const std::uint8_t>> images_;
  std::size_t next_to_decode_ = 0;
  std::size_t next_to_take_ = 0;
  std::deque<Image> decoded_;  // images next_to_take_ onwards
  std::thread thread_;
};

}  // namespace skin
