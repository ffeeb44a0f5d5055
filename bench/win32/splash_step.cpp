// The splash step: one frame shown on the startup window, that is a 464 x 273
// RGBA PNG, decoded ahead between ticks as the program does, set as the
// background of a 495 x 354 layered window, composed and presented, one step
// per 50 ms tick. Prints the median over the 28 frames
// against the tick, and the median of each phase on its own (the decode as
// it would cost on the tick).
// Run: scripts/wine-run.sh build/win32/bench_splash_step.exe
//
// Uses the frames embedded in the program; while there are none, 28 stand-in
// frames of the same size with soft alpha gradients, made in memory.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <span>
#include <vector>

#include "app/splash_frames.h"
#include "bench/common/measure.h"
#include "skin/compositor_win.h"
#include "skin/decode_ahead_win.h"
#include "skin/png_window_win.h"
#include "skin/skin_startup_win.h"
#include "tests/win32/skin/image_maker.h"

namespace {

using Clock = std::chrono::steady_clock;
using Frame = std::vector<std::uint8_t>;

constexpr int kFrameWidth = 464;
constexpr int kFrameHeight = 273;
constexpr int kWindowWidth = 495;
constexpr int kWindowHeight = 354;
constexpr int kFrames = 28;
constexpr double kTickMs = 50.0;

std::vector<Frame> embedded_frames() {
  std::vector<Frame> frames;
  for (const app::SplashFrame frame : app::embedded_splash_frames()) frames.emplace_back(frame.begin(), frame.end());
  return frames;
}

// A burst of colour whose size and brightness change with the frame, fading
// to full transparency at its rim.
std::vector<Frame> stand_in_frames() {
  std::vector<Frame> frames;
  for (int frame = 0; frame < kFrames; ++frame) {
    const double radius = 40.0 + 6.0 * frame;
    const auto bitmap = skin::testing::make_bitmap(kFrameWidth, kFrameHeight, [&](int x, int y) {
      const double distance = std::hypot(x - kFrameWidth / 2.0, y - kFrameHeight / 2.0);
      const double alpha = std::clamp(1.0 - distance / radius, 0.0, 1.0);
      const auto a = static_cast<std::uint32_t>(alpha * 255);
      const auto green = static_cast<std::uint32_t>(80 + 170 * alpha) & 0xFF;
      const auto blue = static_cast<std::uint32_t>(x * 255 / kFrameWidth);
      return a << 24 | 0xFF0000u | green << 8 | blue;
    });
    frames.push_back(skin::testing::encode_png(bitmap.get()));
  }
  return frames;
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double ms_since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void pump_messages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

}  // namespace

int main() {
  const auto startup = Clock::now();
  skin::skin_startup();
  const double startup_ms = ms_since(startup);
  if (!skin::gdiplus()) {
    std::fprintf(stderr, "GDI+ did not load\n");
    return 1;
  }
  std::vector<Frame> frames = embedded_frames();
  const bool embedded = !frames.empty();
  if (!embedded) frames = stand_in_frames();

  const HWND window = CreateWindowExW(0, L"STATIC", L"splash", WS_POPUP | WS_VISIBLE, 100, 100, kWindowWidth,
                                      kWindowHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  skin::PngWindow skin;
  if (!skin.attach(window)) {
    std::fprintf(stderr, "no window\n");
    return 1;
  }

  // The first step of a process starts GDI+'s PNG decoder; then warm up once
  // over all frames.
  const auto first = Clock::now();
  skin.load_back_image(frames.front());
  const double first_step = ms_since(first);
  for (const Frame& frame : frames) skin.load_back_image(frame);

  // Each step as the program takes it: one step per tick, the frame decoded
  // ahead when the message loop comes to the skin layer's turn between ticks.
  skin::DecodeAhead ahead;
  ahead.start();
  std::vector<std::span<const std::uint8_t>> spans(frames.begin(), frames.end());
  ahead.decode(spans);
  skin::PngWindow paced(&ahead);
  paced.attach(window);
  std::vector<double> steps;
  for (const Frame& frame : frames) {
    Sleep(static_cast<DWORD>(kTickMs));
    pump_messages();
    const auto start = Clock::now();
    if (!paced.load_back_image(frame)) std::fprintf(stderr, "a frame did not decode\n");
    steps.push_back(ms_since(start));
  }

  // The same work phase by phase.
  std::vector<double> decode;
  std::vector<double> compose;
  std::vector<double> present;
  std::vector<double> surface;
  std::vector<double> update;
  for (const Frame& frame : frames) {
    auto start = Clock::now();
    skin::Image image = skin::image_from_bytes(frame);
    decode.push_back(ms_since(start));
    skin.set_back_image(std::move(image));
    start = Clock::now();
    const skin::GdipImage picture = skin::compose_window(window);
    compose.push_back(ms_since(start));
    start = Clock::now();
    skin::present_layered(window, picture.get(), false);
    present.push_back(ms_since(start));
    start = Clock::now();
    const skin::PresentationSurface filled(window, picture.get(), false);
    surface.push_back(ms_since(start));
    SIZE size = filled.size();
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    start = Clock::now();
    UpdateLayeredWindow(window, filled.window_dc(), nullptr, &size, filled.dc(), &source, 0, &blend, ULW_ALPHA);
    update.push_back(ms_since(start));
  }

  const double step = median(steps);
  std::printf("splash step (%s frames, %d of %dx%d on a %dx%d window)\n", embedded ? "embedded" : "stand-in",
              static_cast<int>(frames.size()), kFrameWidth, kFrameHeight, kWindowWidth, kWindowHeight);
  std::printf("  median %.2f ms = %.3f of the %.0f ms tick (aim 0.05 or less)\n", step, step / kTickMs, kTickMs);
  std::printf("  the skin layer's start-up (GDI+ loaded and started) %.2f ms; the first step of the process %.2f ms\n",
              startup_ms, first_step);
  std::printf("  by phase (medians): decode %.2f ms (done ahead, off the tick), compose %.2f ms, present %.2f ms\n",
              median(decode), median(compose), median(present));
  std::printf("  of the present: filling the surface %.2f ms; UpdateLayeredWindow alone %.2f ms = %.3f of the tick\n",
              median(surface), median(update), median(update) / kTickMs);
  bench::print_row("splash step (compose and present one frame decoded ahead)", bench::milliseconds(step),
                   "the splash timer's tick " + bench::milliseconds(kTickMs), step / kTickMs, "0.05 of the tick or less",
                   step / kTickMs <= 0.05);
  DestroyWindow(window);
  return 0;
}
