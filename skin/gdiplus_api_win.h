// The GDI+ flat API, loaded at run time from the system folder's GdiPlus.dll.
// Every function the layer calls is listed once below; the pointer types come
// from the platform's own declarations. Either all of them load or none: a
// caller checks gdiplus() for null once and then calls freely.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <gdiplus.h>

namespace skin {

namespace gdiplus_declarations {
using namespace Gdiplus;
using namespace Gdiplus::DllExports;
}  // namespace gdiplus_declarations

using Gdiplus::ARGB;
using Gdiplus::GpBitmap;
using Gdiplus::GpBrush;
using Gdiplus::GpFont;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpPen;
using Gdiplus::GpSolidFill;
using Gdiplus::GpStatus;
using Gdiplus::GpStringFormat;

#define VERBROOK_GDIPLUS_FUNCTIONS(X)                                     \
  X(GdiplusStartup)                                                       \
  X(GdiplusShutdown)                                                      \
  /* images */                                                            \
  X(GdipLoadImageFromStream)                                              \
  X(GdipImageSelectActiveFrame)                                           \
  X(GdipDisposeImage)                                                     \
  X(GdipGetImageDimension)                                                \
  X(GdipGetImageWidth)                                                    \
  X(GdipGetImageHeight)                                                   \
  X(GdipCreateBitmapFromScan0)                                            \
  X(GdipBitmapLockBits)                                                   \
  X(GdipBitmapUnlockBits)                                                 \
  /* drawing */                                                           \
  X(GdipGetImageGraphicsContext)                                          \
  X(GdipCreateFromHDC)                                                    \
  X(GdipDeleteGraphics)                                                   \
  X(GdipDrawImageRect)                                                    \
  X(GdipDrawImagePointRect)                                               \
  X(GdipCreateSolidFill)                                                  \
  X(GdipDeleteBrush)                                                      \
  X(GdipFillRectangle)                                                    \
  X(GdipCreatePen1)                                                       \
  X(GdipDeletePen)                                                        \
  X(GdipDrawRectangle)                                                    \
  X(GdipDrawLine)                                                         \
  /* text */                                                              \
  X(GdipCreateFontFamilyFromName)                                         \
  X(GdipDeleteFontFamily)                                                 \
  X(GdipCreateFont)                                                       \
  X(GdipCreateFontFromDC)                                                 \
  X(GdipDeleteFont)                                                       \
  X(GdipGetFontStyle)                                                     \
  X(GdipGetFontSize)                                                      \
  X(GdipGetFontUnit)                                                      \
  X(GdipGetFontHeight)                                                    \
  X(GdipCreateStringFormat)                                               \
  X(GdipDeleteStringFormat)                                               \
  X(GdipSetStringFormatAlign)                                             \
  X(GdipSetStringFormatLineAlign)                                         \
  X(GdipDrawString)                                                       \
  /* encoding, for tests and the benchmark that make images in memory */  \
  X(GdipGetImageEncodersSize)                                             \
  X(GdipGetImageEncoders)                                                 \
  X(GdipSaveImageToStream)

struct GdiplusFunctions {
#define VERBROOK_DECLARE_POINTER(name) decltype(&gdiplus_declarations::name) name = nullptr;
  VERBROOK_GDIPLUS_FUNCTIONS(VERBROOK_DECLARE_POINTER)
#undef VERBROOK_DECLARE_POINTER
};

// Loads GdiPlus.dll and every listed function, once; true when all loaded.
bool load_gdiplus();

// Lets go of GdiPlus.dll and the imaging codecs, once GDI+ is shut down; a
// later load_gdiplus loads them again.
void unload_gdiplus();

// The loaded functions, or null when GDI+ is not (or not yet) loaded.
const GdiplusFunctions* gdiplus();

// The module the functions came from (null when not loaded).
HMODULE gdiplus_module();

}  // namespace skin
