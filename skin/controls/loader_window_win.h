// The loader window class ("VantorLoadDialog"): a window that shows an image,
// can be dragged by any point, and may own a worker thread, an image and the
// memory block the image was decoded from, all released when it is destroyed.
//
// Worker contract: a worker started with start_loader_worker is given the
// window's stop event ("Vantor_StopEvent", manual reset). When the window is
// destroyed the event is set and the window waits for the thread to end
// before it closes the thread's handle and releases the image, so the worker
// must return soon after the event is set, must not send (only post) messages
// to the window, and may use the window's image until it returns. A thread
// stored in "Vantor_Thread" by other means is waited for the same way.
#pragma once

#include <windows.h>

#include <functional>

#include "skin/image_win.h"

namespace skin {

LRESULT CALLBACK loader_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Gives the loader window its image ("Vantor_Image", "Vantor_Stream"); false,
// releasing the image, when the window already holds one or is no window.
bool hold_loader_image(HWND loader, Image image);

using LoaderWork = std::function<void(HANDLE stop_event)>;

// Runs the work on a new thread owned by the window; false when the window
// already has a worker, is no window, or the thread cannot start.
bool start_loader_worker(HWND loader, LoaderWork work);

// 1: a left-button press anywhere drags the window; other values do nothing.
void set_hit_move(HWND loader, int value);

}  // namespace skin
