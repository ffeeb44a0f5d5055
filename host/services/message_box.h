// The message box service: no owner window, task-modal unless system-modal
// is asked for, the pressed button's id minus 1 as the result.
#pragma once

#include <string_view>

#include "host/services/value.h"

namespace host {

inline constexpr std::string_view kDefaultMessageCaption = "信息：";
inline constexpr int kSystemModal = 0x1000;
inline constexpr int kTaskModal = 0x2000;

// The platform style for the flags: task-modal added unless system-modal.
int message_box_style(int flags);

// The caption shown: the default for an empty one.
Text message_box_caption(const Text& caption);

// OK 0, Cancel 1, Abort 2, Retry 3, Ignore 4, Yes 5, No 6; -1 when no box
// could be shown.
int show_message_box(const Text& text, int flags, const Text& caption);

}  // namespace host
