#include "skin/controls/loader_window_win.h"

#include <initializer_list>
#include <memory>

#include "host/services/handles_win.h"
#include "skin/property_names.h"
#include "skin/property_store_win.h"

namespace skin {
namespace {

HANDLE handle_property(HWND window, const wchar_t* name) {
  return reinterpret_cast<HANDLE>(read_property(window, name));
}

// Stops the worker cooperatively: it is asked to end and waited for, so it is
// never cut off inside GDI+ or holding a lock.
void stop_worker(HWND window) {
  const host::OwnedKernelHandle thread(handle_property(window, prop::kThread));
  const host::OwnedKernelHandle stop(handle_property(window, prop::kStopEvent));
  if (!thread) return;
  if (stop) SetEvent(stop.get());
  WaitForSingleObject(thread.get(), INFINITE);
}

void release_loader(HWND window) {
  stop_worker(window);
  // The image before the block it may still read.
  GdipImage(reinterpret_cast<GpImage*>(read_property(window, prop::kImage))).reset();
  free_stream_block(reinterpret_cast<HGLOBAL>(read_property(window, prop::kStream)));
  for (const wchar_t* name : {prop::kThread, prop::kStopEvent, prop::kImage, prop::kStream}) {
    remove_property(window, name);
  }
}

struct WorkerStart {
  LoaderWork work;
  HANDLE stop_event;  // owned by the window
};

DWORD WINAPI run_worker(void* parameter) {
  const std::unique_ptr<WorkerStart> start(static_cast<WorkerStart*>(parameter));
  start->work(start->stop_event);
  return 0;
}

}  // namespace

LRESULT CALLBACK loader_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DESTROY:
      release_loader(window);
      break;
    case WM_LBUTTONDOWN: {
      const LRESULT result = DefWindowProcW(window, message, wparam, lparam);
      if (read_property(window, prop::kHitMove) == 1) {
        // The system then moves the window as if its caption were dragged.
        ReleaseCapture();
        SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
      }
      return result;
    }
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

bool hold_loader_image(HWND loader, Image image) {
  if (!IsWindow(loader) || !image || read_property(loader, prop::kImage) != 0) return false;
  const Image::Parts parts = image.release();
  write_property(loader, prop::kImage, reinterpret_cast<std::intptr_t>(parts.image));
  write_property(loader, prop::kStream, reinterpret_cast<std::intptr_t>(parts.block));
  return true;
}

bool start_loader_worker(HWND loader, LoaderWork work) {
  if (!IsWindow(loader) || !work || read_property(loader, prop::kThread) != 0) return false;
  host::OwnedKernelHandle stop(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!stop) return false;
  auto start = std::make_unique<WorkerStart>(WorkerStart{std::move(work), stop.get()});
  host::OwnedKernelHandle thread(CreateThread(nullptr, 0, run_worker, start.get(), 0, nullptr));
  if (!thread) return false;
  static_cast<void>(start.release());  // the thread's now
  // The window owns both from here; they are closed when it goes.
  write_property(loader, prop::kStopEvent, reinterpret_cast<std::intptr_t>(stop.release()));
  write_property(loader, prop::kThread, reinterpret_cast<std::intptr_t>(thread.release()));
  return true;
}

void set_hit_move(HWND loader, int value) { write_property(loader, prop::kHitMove, value); }

}  // namespace skin
