// The names of the window properties in which the skin layer keeps all of its
// per-window state. They are ASCII, so the wide forms name the same atoms as
// the ANSI ones that other code may use with SetPropA/GetPropA.
#pragma once

namespace skin::prop {

// Attached window.
inline constexpr wchar_t kTime[] = L"PngControl_Time";  // caret timer id
// Attached window and skinned child: the GDI+ image drawn as background.
inline constexpr wchar_t kBackImage[] = L"PngControl_BackImage";

// Skinned children.
inline constexpr wchar_t kType[] = L"PngControl_Type";
inline constexpr wchar_t kBackType[] = L"PngControl_BackType";
inline constexpr wchar_t kBackColor[] = L"PngControl_BackColor";
inline constexpr wchar_t kBackAlpha[] = L"PngControl_BackAlpha";
inline constexpr wchar_t kOrderColor[] = L"PngControl_OrderColor";
inline constexpr wchar_t kOrderAlpha[] = L"PngControl_OrderAlpha";
inline constexpr wchar_t kTextColor[] = L"PngControl_TextColor";
inline constexpr wchar_t kNormalImage[] = L"PngControl_NormalImage";
inline constexpr wchar_t kOverlImage[] = L"PngControl_OverlImage";
inline constexpr wchar_t kDownImage[] = L"PngControl_DownImage";
inline constexpr wchar_t kDisableImage[] = L"PngControl_DisableImage";
inline constexpr wchar_t kWndProc[] = L"PngControl_WndProc";
inline constexpr wchar_t kChildWndProc[] = L"PngControl_ChildWndProc";
inline constexpr wchar_t kDrawState[] = L"Vantor_DrawState";

// Loader windows.
inline constexpr wchar_t kThread[] = L"Vantor_Thread";
inline constexpr wchar_t kImage[] = L"Vantor_Image";
inline constexpr wchar_t kStream[] = L"Vantor_Stream";
inline constexpr wchar_t kHitMove[] = L"VantorHitMove";

// Our own additions. Each image the layer holds for a window has an owner
// record beside its image property (the image together with the memory it was
// decoded from), so that a replaced or orphaned image can be released whole.
inline constexpr wchar_t kBackImageOwner[] = L"PngControl_BackImageOwner";
inline constexpr wchar_t kNormalImageOwner[] = L"PngControl_NormalImageOwner";
inline constexpr wchar_t kOverlImageOwner[] = L"PngControl_OverlImageOwner";
inline constexpr wchar_t kDownImageOwner[] = L"PngControl_DownImageOwner";
inline constexpr wchar_t kDisableImageOwner[] = L"PngControl_DisableImageOwner";
// A loader window's worker thread ends when this manual-reset event is set.
inline constexpr wchar_t kStopEvent[] = L"Vantor_StopEvent";

}  // namespace skin::prop
