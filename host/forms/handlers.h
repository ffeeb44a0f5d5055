// The handler slots that the forms' event bindings name. The forms say which
// event of which unit runs which slot; the application fills the slots with
// its procedures when the runtime starts. The host knows the slots, never what
// the procedures do. Files dropped on a window go to a procedure of their own.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "host/services/value.h"

namespace host {

enum class HandlerId : std::uint8_t {
  // startup window
  StartupCreated,
  SplashTick,
  // main window
  MainSizeChanged,
  MainQueryClose,
  MainKeyDown,
  ColourChanged,
  EditKeyDown,
  EditGotFocus,
  // menu items
  NewDocument,
  SaveDocument,
  OpenDocument,
  AppendDocument,
  Cut,
  Copy,
  Paste,
  ClearAll,
  HideNotice,
  TotalCount,
  InsertDateTime,
  ChooseTextColour,
  ChooseBackColour,
  ChooseFont,
  RestoreConfiguration,
  OpenWebPage,
  AuthorNotice,
  ShortcutHelp,
  Count
};

inline constexpr std::size_t kHandlerCount = static_cast<std::size_t>(HandlerId::Count);

// A handler takes the event's arguments in order and either returns a 32-bit
// value or nothing; only a returned value counts (a returned 0 swallows a key,
// refuses a close, ...).
using HandlerResult = std::optional<std::int32_t>;
using Handler = std::function<HandlerResult(std::span<const std::int32_t> arguments)>;
using HandlerTable = std::array<Handler, kHandlerCount>;

// Files dropped on a window from Explorer: their full names in the order
// given, and whether Ctrl was held at the drop.
struct DroppedFiles {
  std::vector<Text> names;
  bool control_held = false;
};
using DropHandler = std::function<void(const DroppedFiles& dropped)>;

}  // namespace host
