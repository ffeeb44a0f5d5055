// What the application sees of the PNG skin layer: starting it, and the skin
// window object through which it makes a window a per-pixel-alpha layered
// window and gives it a background image.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace skin {

class SkinWindow {
 public:
  virtual ~SkinWindow() = default;
  // Makes the window layered (with the caret timer); false for a handle that
  // is not a window, which keeps the previous one.
  virtual bool attach(std::uintptr_t window) = 0;
  // Decodes an image (PNG, GIF at its first frame, ...) held in memory and makes
  // it the window's background, which recomposes and presents the window.
  // False when the bytes do not decode; the window keeps its picture.
  virtual bool load_back_image(std::span<const std::uint8_t> image_bytes) = 0;
};

class SkinApi {
 public:
  virtual ~SkinApi() = default;
  // GDI+ start-up, the frame-dimension id and the loader window class; once.
  // It happens on the user-interface thread's next turn, so the first window
  // need not wait for it, or earlier when a window first loads an image.
  virtual void startup() = 0;
  // The images that windows will load next, in that order: each is decoded
  // ahead of its use, on the user-interface thread's turn after the one
  // before it was loaded. The bytes must live until the layer shuts down.
  virtual void decode_ahead(std::vector<std::span<const std::uint8_t>> images) = 0;
  // Stops decoding ahead, releases the images windows still hold (a window
  // the host closes later keeps showing its last picture) and shuts GDI+
  // down and unloads it, once the skin window objects are destroyed. Doing
  // it again does nothing; startup starts the layer again.
  virtual void shutdown() = 0;
  virtual std::unique_ptr<SkinWindow> create_window() = 0;
};

}  // namespace skin
