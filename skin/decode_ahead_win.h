// Start-up and decoding ahead of use, on the user-interface thread between
// the moments the images are shown: GDI+ starts on the thread's first turn
// after the layer's start-up (after the first window is up, not before it),
// and each image is decoded on the turn after the one before it was taken,
// so a splash tick finds its frame decoded and only composes and presents
// it. No thread of its own: under Wine every thread keeps about a megabyte
// resident for the rest of the process, also once it has ended. The images
// are decoded through the same calls as on the spot (image_from_bytes), so a
// window shows the same picture either way.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "host/services/posted_work_win.h"
#include "skin/image_win.h"

namespace skin {

class DecodeAhead {
 public:
  DecodeAhead() = default;
  ~DecodeAhead() { stop(); }
  DecodeAhead(const DecodeAhead&) = delete;
  DecodeAhead& operator=(const DecodeAhead&) = delete;

  // GDI+ starts on the thread's next turn, or when an image is first taken.
  void start();
  // Forgets the images; the one decoded and not taken is released. It can
  // start again.
  void stop();
  // The images to decode, in the order they will be asked for; the bytes
  // must outlive this object.
  void decode(std::vector<std::span<const std::uint8_t>> images);
  // The decoded image of these bytes when they are the next in line and
  // decoded already, else an empty one: the caller decodes them itself.
  // Before start there is none.
  Image take(std::span<const std::uint8_t> bytes);

 private:
  void start_gdiplus();
  // Starts GDI+ if need be and decodes the next image if none waits.
  void run_turn();

  host::PostedWork next_turn_{[this] { run_turn(); }};
  bool started_ = false;
  bool gdiplus_started_ = false;
  std::vector<std::span<const std::uint8_t>> images_;
  std::size_t next_to_take_ = 0;
  Image waiting_;  // images_[next_to_take_] decoded, once it is
};

}  // namespace skin
