#include "skin/decode_ahead_win.h"

#include <utility>

#include "skin/gdiplus_handles_win.h"
#include "skin/skin_startup_win.h"

namespace skin {
namespace {

bool same_bytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
  return a.data() == b.data() && a.size() == b.size();
}

// GDI+ may keep the pixels encoded until they are first looked at; reading
// them once here makes that happen now rather than in the tick.
void decode_pixels(const Image& image) {
  if (image) static_cast<void>(BitmapPixels(image.get(), Gdiplus::ImageLockModeRead));
}

}  // namespace

void DecodeAhead::start() {
  if (started_) return;
  started_ = true;
  next_turn_.post();
}

void DecodeAhead::stop() {
  next_turn_.cancel();
  waiting_ = {};
  images_.clear();
  next_to_take_ = 0;
  started_ = gdiplus_started_ = false;
}

void DecodeAhead::decode(std::vector<std::span<const std::uint8_t>> images) {
  images_ = std::move(images);
  next_to_take_ = 0;
  waiting_ = {};
  if (started_) next_turn_.post();
}

Image DecodeAhead::take(std::span<const std::uint8_t> bytes) {
  if (!started_) return {};
  start_gdiplus();  // the caller decodes with it when nothing waits
  if (next_to_take_ >= images_.size() || !same_bytes(images_[next_to_take_], bytes)) return {};
  ++next_to_take_;
  next_turn_.post();
  return std::exchange(waiting_, Image());
}

void DecodeAhead::start_gdiplus() {
  if (gdiplus_started_) return;
  skin_startup();
  gdiplus_started_ = true;
}

void DecodeAhead::run_turn() {
  start_gdiplus();
  if (waiting_ || next_to_take_ >= images_.size()) return;
  waiting_ = image_from_bytes(images_[next_to_take_]);
  decode_pixels(waiting_);
}

}  // namespace skin
