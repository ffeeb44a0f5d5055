#include "skin/decode_ahead_win.h"

#include <utility>

#include "host/services/handles_win.h"
#include "skin/gdiplus_handles_win.h"
#include "skin/skin_startup_win.h"

namespace skin {
namespace {

bool same_bytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
  return a.data() == b.data() && a.size() == b.size();
}

// GDI+ may keep the pixels encoded until they are first looked at; reading
// them once here makes that happen on this thread.
void decode_pixels(const Image& image) {
  if (image) static_cast<void>(BitmapPixels(image.get(), Gdiplus::ImageLockModeRead));
}

}  // namespace

void DecodeAhead::start() {
  if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
}

void DecodeAhead::stop() {
  if (!thread_.joinable()) return;
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
  const std::lock_guard lock(mutex_);
  decoded_.clear();
  images_.clear();
  started_ = stopping_ = false;
}

void DecodeAhead::decode(std::vector<std::span<const std::uint8_t>> images) {
  {
    const std::lock_guard lock(mutex_);
    images_ = std::move(images);
    next_to_decode_ = next_to_take_ = 0;
    decoded_.clear();
  }
  changed_.notify_all();
}

Image DecodeAhead::take(std::span<const std::uint8_t> bytes) {
  if (!thread_.joinable()) return {};
  std::unique_lock lock(mutex_);
  // GDI+ is ready once the thread has started it.
  changed_.wait(lock, [this] { return started_; });
  if (next_to_take_ >= images_.size() || !same_bytes(images_[next_to_take_], bytes)) return {};
  changed_.wait(lock, [this] { return !decoded_.empty(); });
  Image image = std::move(decoded_.front());
  decoded_.pop_front();
  ++next_to_take_;
  lock.unlock();
  changed_.notify_all();
  return image;
}

void DecodeAhead::run() {
  // The memory streams GDI+ decodes from are COM objects.
  const host::ComApartment apartment;
  skin_startup();
  std::unique_lock lock(mutex_);
  started_ = true;
  changed_.notify_all();
  for (;;) {
    changed_.wait(lock, [this] {
      return stopping_ || (next_to_decode_ < images_.size() && decoded_.size() < kMostWaiting);
    });
    if (stopping_) return;
    const std::span<const std::uint8_t> bytes = images_[next_to_decode_];
    lock.unlock();
    Image image = image_from_bytes(bytes);
    decode_pixels(image);
    lock.lock();
    // The list may have been replaced meanwhile; then this image is not wanted.
    if (next_to_decode_ < images_.size() && same_bytes(images_[next_to_decode_], bytes)) {
      decoded_.push_back(std::move(image));
      ++next_to_decode_;
      changed_.notify_all();
    }
  }
}

}  // namespace skin
