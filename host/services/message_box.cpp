#include "host/services/message_box.h"

namespace host {

int message_box_style(int flags) { return (flags & kSystemModal) ? flags : flags | kTaskModal; }

Text message_box_caption(const Text& caption) { return caption.empty() ? Text(kDefaultMessageCaption) : caption; }

}  // namespace host
