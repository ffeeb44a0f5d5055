// The fixed ids of the program's two forms and their units, the unit type ids,
// the property indices of each unit type and the event indices. The
// application addresses everything it touches through these.
#pragma once

#include <cstdint>

namespace host {

using FormId = std::uint32_t;
using UnitId = std::uint32_t;
using UnitTypeId = std::uint32_t;

namespace form {
inline constexpr FormId kStartup = 0x52010249;
inline constexpr FormId kMain = 0x52010003;
}  // namespace form

namespace unit {
// Startup window
inline constexpr UnitId kStartupWindow = 0x060102C4;
inline constexpr UnitId kSplashTimer = 0x160102C5;  // "时钟1"
// Main window
inline constexpr UnitId kMainWindow = 0x06010002;
inline constexpr UnitId kColorPicker = 0x16010056;  // "颜色选择器1"
inline constexpr UnitId kCommonDialog = 0x1601002A;  // "通用对话框1"
inline constexpr UnitId kEditBox = 0x16010021;       // "编辑框1"
}  // namespace unit

namespace unit_type {
inline constexpr UnitTypeId kWindow = 0x00010001;
inline constexpr UnitTypeId kMenu = 0x00010003;
inline constexpr UnitTypeId kEditBox = 0x00010005;
inline constexpr UnitTypeId kColorPicker = 0x0001001C;
inline constexpr UnitTypeId kCommonDlg = 0x0001001F;
inline constexpr UnitTypeId kTimer = 0x00010020;
}  // namespace unit_type

// A unit handed to a service.
struct UnitRef {
  FormId form;
  UnitId unit;
  UnitTypeId type;
  friend bool operator==(const UnitRef&, const UnitRef&) = default;
};

namespace units {
inline constexpr UnitRef kStartupWindow{form::kStartup, unit::kStartupWindow, unit_type::kWindow};
inline constexpr UnitRef kSplashTimer{form::kStartup, unit::kSplashTimer, unit_type::kTimer};
inline constexpr UnitRef kMainWindow{form::kMain, unit::kMainWindow, unit_type::kWindow};
inline constexpr UnitRef kColorPicker{form::kMain, unit::kColorPicker, unit_type::kColorPicker};
inline constexpr UnitRef kCommonDialog{form::kMain, unit::kCommonDialog, unit_type::kCommonDlg};
inline constexpr UnitRef kEditBox{form::kMain, unit::kEditBox, unit_type::kEditBox};
}  // namespace units

// Property indices. 0-7 are common to every unit type except menu items.
namespace prop {
inline constexpr int kLeft = 0;
inline constexpr int kTop = 1;
inline constexpr int kWidth = 2;
inline constexpr int kHeight = 3;
inline constexpr int kTag = 4;
inline constexpr int kVisible = 5;
inline constexpr int kDisabled = 6;
inline constexpr int kMousePointer = 7;

namespace window {
inline constexpr int kCaption = 8;
inline constexpr int kBorder = 9;
inline constexpr int kBackColor = 10;
inline constexpr int kPicture = 11;
inline constexpr int kPictureMode = 12;
inline constexpr int kMusic = 13;
inline constexpr int kPlayCount = 14;
inline constexpr int kControlBox = 15;
inline constexpr int kMaxButton = 16;
inline constexpr int kMinButton = 17;
inline constexpr int kStartPosition = 18;
inline constexpr int kMovable = 19;
inline constexpr int kIcon = 20;
inline constexpr int kEnterMovesFocus = 21;
inline constexpr int kEscCloses = 22;
inline constexpr int kF1OpensHelp = 23;
inline constexpr int kHelpFile = 24;
inline constexpr int kHelpContext = 25;
inline constexpr int kShowInTaskbar = 26;
inline constexpr int kFreeMove = 27;
inline constexpr int kShape = 28;
inline constexpr int kAlwaysOnTop = 29;
inline constexpr int kKeepTitleActive = 30;
inline constexpr int kClassName = 31;
}  // namespace window

namespace menu {
inline constexpr int kCaption = 0;
inline constexpr int kChecked = 1;
inline constexpr int kDisabled = 2;
inline constexpr int kVisible = 3;
}  // namespace menu

namespace edit {
inline constexpr int kContent = 8;
inline constexpr int kBorder = 9;
inline constexpr int kTextColor = 10;
inline constexpr int kBackColor = 11;
inline constexpr int kFont = 12;
inline constexpr int kHideSelection = 13;
inline constexpr int kMaxLength = 14;
inline constexpr int kMultiLine = 15;
inline constexpr int kScrollBars = 16;
inline constexpr int kAlignment = 17;
inline constexpr int kInputMode = 18;
inline constexpr int kPasswordChar = 19;
inline constexpr int kCaseConversion = 20;
inline constexpr int kSpinnerMode = 21;
inline constexpr int kSpinnerMin = 22;
inline constexpr int kSpinnerMax = 23;
inline constexpr int kSelStart = 24;
inline constexpr int kSelLength = 25;
inline constexpr int kSelText = 26;
inline constexpr int kDataSource = 27;
inline constexpr int kDataColumn = 28;
}  // namespace edit

// Array indices of the sub-fields of a `Font` property.
namespace font {
inline constexpr int kAngle = 0;
inline constexpr int kBold = 1;
inline constexpr int kItalic = 2;
inline constexpr int kUnderline = 3;
inline constexpr int kStrikeOut = 4;
inline constexpr int kSize = 5;
inline constexpr int kFace = 6;
}  // namespace font

namespace dialog {
inline constexpr int kDialogKind = 8;
inline constexpr int kTitle = 9;
inline constexpr int kFileName = 10;
inline constexpr int kFilter = 11;
inline constexpr int kFilterIndex = 12;
inline constexpr int kInitialDir = 13;
inline constexpr int kDefaultExtension = 14;
inline constexpr int kCreatePrompt = 15;
inline constexpr int kFileMustExist = 16;
inline constexpr int kOverwritePrompt = 17;
inline constexpr int kPathMustExist = 18;
inline constexpr int kNoChangeDir = 19;
inline constexpr int kFontColor = 20;
inline constexpr int kBold = 21;
inline constexpr int kItalic = 22;
inline constexpr int kUnderline = 23;
inline constexpr int kStrikeOut = 24;
inline constexpr int kFontName = 25;
inline constexpr int kFontSize = 26;
inline constexpr int kHelpFile = 27;
inline constexpr int kHelpCommand = 28;
inline constexpr int kHelpValue = 29;

inline constexpr int kKindOpen = 0;
inline constexpr int kKindSave = 1;
inline constexpr int kKindFont = 2;
inline constexpr int kKindHelp = 3;
}  // namespace dialog

namespace picker {
inline constexpr int kColour = 8;
inline constexpr int kFlag = 9;
}  // namespace picker

namespace timer {
inline constexpr int kInterval = 8;
}  // namespace timer
}  // namespace prop

// Colour properties hold a COLORREF 0x00BBGGRR; this marks "default" or "none".
inline constexpr std::int32_t kDefaultColour = static_cast<std::int32_t>(0xFF000000u);

// Event indices: negative for the common events of every unit, non-negative for
// the events of a unit type.
namespace event {
inline constexpr int kLeftButtonDown = -1;
inline constexpr int kLeftButtonUp = -2;
inline constexpr int kDoubleClick = -3;
inline constexpr int kRightButtonDown = -4;
inline constexpr int kRightButtonUp = -5;
inline constexpr int kMouseMoved = -6;
inline constexpr int kGotFocus = -7;
inline constexpr int kLostFocus = -8;
inline constexpr int kKeyDown = -9;
inline constexpr int kKeyUp = -10;
inline constexpr int kCharacter = -11;
inline constexpr int kWheel = -12;

// window
inline constexpr int kCreated = 0;
inline constexpr int kQueryClose = 1;
inline constexpr int kAboutToBeDestroyed = 2;
inline constexpr int kMoved = 3;
inline constexpr int kSizeChanged = 4;
inline constexpr int kActivated = 5;
inline constexpr int kDeactivated = 6;
inline constexpr int kFirstActivation = 8;
inline constexpr int kTrayIcon = 9;
inline constexpr int kShown = 10;
inline constexpr int kHidden = 11;
// menu item, timer, colour picker, edit box
inline constexpr int kClicked = 0;
inline constexpr int kTick = 0;
inline constexpr int kColourChanged = 0;
inline constexpr int kContentChanged = 0;
}  // namespace event

// Bits of the `state` argument of mouse, key and wheel events.
namespace key_state {
inline constexpr int kCtrl = 1;
inline constexpr int kShift = 2;
inline constexpr int kAlt = 4;
}  // namespace key_state

}  // namespace host
