#include "app/recovery.h"

#include "app/statistics.h"
#include "host/services/convert.h"
#include "host/services/date_time.h"
#include "host/services/text.h"

namespace app {

Recovery::Recovery(host::HostApi& host, Documents& documents) : host_(host), documents_(documents) {}

void Recovery::start() {
  if (started_) return;
  started_ = true;
  offer_pending_ = true;
  host_.start_interval_timer(kTickMilliseconds, [this] { on_tick(); });
}

void Recovery::end() {
  ended_ = true;
  host_.remove_recovery_copy();
}

void Recovery::on_tick() {
  if (busy_ || ended_) return;
  if (offer_pending_) {
    offer_pending_ = false;
    offer_left_copy();
    return;
  }
  const std::uint64_t changes = host_.edit_changes(host::units::kEditBox);
  if (changes == written_changes_) return;
  quiet_ticks_ = changes == changes_at_last_tick_ ? quiet_ticks_ + 1 : 0;
  changes_at_last_tick_ = changes;
  ++ticks_behind_;
  if (quiet_ticks_ >= kPauseTicks || ticks_behind_ >= kMostTicksBehind) catch_up();
}

void Recovery::catch_up() {
  if (ended_) return;
  written_changes_ = host_.edit_changes(host::units::kEditBox);
  quiet_ticks_ = 0;
  ticks_behind_ = 0;
  if (const std::optional<host::RecoveryCopy> copy = documents_.unsaved_copy()) {
    // A copy that could not be written leaves the last one; the next change
    // tries again.
    if (host_.keep_recovery_copy(*copy)) kept_ = true;
  } else if (kept_) {
    host_.remove_recovery_copy();
    kept_ = false;
  }
}

void Recovery::offer_left_copy() {
  busy_ = true;
  if (const std::optional<host::RecoveryCopy> copy = host_.claim_left_recovery_copy()) {
    const host::Text file = copy->file_name.empty() ? host::Text("（未保存过的新文档）") : copy->file_name;
    const int answer = host_.message_box(
        host::join_texts({"Verbrook 上次没有正常结束，留下了一份尚未保存的文档：\r\n\r\n", file, "\r\n\r\n共 ",
                          host::to_text(character_count(copy->text)), " 字未保存，记录于 ", host::date_time_to_text(copy->written_at),
                          "。\r\n\r\n是否恢复这份文档？选择{否}将删除它。"}),
        host::message_box::kYesNo, "恢复文档：");
    if (answer == host::message_box::kResultYes) {
      documents_.restore(*copy);
      catch_up();  // this instance's own copy holds it before the left one goes
    }
    host_.remove_claimed_recovery_copy();
  }
  busy_ = false;
}

}  // namespace app
