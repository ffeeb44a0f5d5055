#include "app/statistics.h"

#include "host/services/convert.h"
#include "host/services/numbers.h"
#include "host/services/text.h"

namespace app {

double character_count(std::string_view text) { return static_cast<double>(host::counted_length(text)) / 2.0; }

Statistics::Statistics(host::HostApi& host) : host_(host), properties_(host) {}

void Statistics::show_total_count() {
  const host::Text content = properties_.text(host::units::kEditBox, host::prop::edit::kContent);
  // Line breaks typed with Enter are counted once each by character_count; take them out.
  const double total = character_count(content) - static_cast<double>(paragraph_break_count_);
  host_.message_box(host::join_texts({"当前文档不计空格\r\n\r\n总字数为：    ", host::to_text(total), "  字。"}),
                    host::message_box::kOk);
}

void Statistics::end_paragraph() {
  current_paragraph_count_ = 0;
  ++paragraph_break_count_;
  const host::Text content = properties_.text(host::units::kEditBox, host::prop::edit::kContent);
  current_paragraph_count_ = static_cast<float>(character_count(content) - static_cast<double>(count_at_paragraph_start_));
  // The line break about to go in counts 1.
  count_at_paragraph_start_ = static_cast<float>(
      (static_cast<double>(current_paragraph_count_) + static_cast<double>(count_at_paragraph_start_)) + 1.0);
  properties_.set(host::units::kMainWindow, host::prop::window::kCaption,
                  host::join_texts({"Verbrook              Tamberlo提醒您：  本段落共输入了  ",
                                    host::to_text(current_paragraph_count_), "  个字。"}));
}

void Statistics::resync_on_backspace() {
  const host::Text content = properties_.text(host::units::kEditBox, host::prop::edit::kContent);
  // The old lines go first, so that the new ones take their memory again
  // instead of fresh pages: a document has thousands of lines.
  release_split_lines();
  last_split_lines_ = host::split_text(content, "\r\n");
  const std::int32_t lines = host::member_count(last_split_lines_);
  if (lines == paragraph_break_count_) {
    // Backspace is about to join the last line to the one before it.
    --paragraph_break_count_;
    count_at_paragraph_start_ =
        static_cast<float>((static_cast<double>(count_at_paragraph_start_) -
                            static_cast<double>(current_paragraph_count_)) -
                           static_cast<double>(paragraph_break_count_));
  } else if (lines < paragraph_break_count_) {
    // Line breaks went some other way (a cut selection): count afresh up to
    // the start of the last line.
    paragraph_break_count_ = static_cast<std::int32_t>(static_cast<double>(lines) - 1.0);
    const double whole = static_cast<double>(host::counted_length(content));
    // No line at all (an empty document) measures as an empty last line.
    const double last_line =
        lines > 0 ? static_cast<double>(host::counted_length(last_split_lines_.members.back())) : 0.0;
    count_at_paragraph_start_ =
        static_cast<float>((whole - last_line) / 2.0 + static_cast<double>(paragraph_break_count_));
  }
}

void Statistics::clear_text_and_counters() {
  properties_.set(host::units::kEditBox, host::prop::edit::kContent, host::Text{});
  current_paragraph_count_ = 0;
  paragraph_break_count_ = 0;
  count_at_paragraph_start_ = 0;
  properties_.set(host::units::kMainWindow, host::prop::window::kCaption,
                  host::Text{"Verbrook                   已清空所有统计数据!!!"});
}

void Statistics::release_split_lines() { last_split_lines_ = {}; }

}  // namespace app
