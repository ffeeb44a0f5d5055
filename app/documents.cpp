#include "app/documents.h"

#include <cstdint>
#include <span>

#include "host/services/convert.h"
#include "host/services/text.h"

namespace app {

using host::message_box::kOk;
using host::message_box::kResultNo;
using host::message_box::kResultYes;
using host::message_box::kYesNo;
using host::units::kCommonDialog;
using host::units::kEditBox;

namespace {

// The wait cursor while a document is read and put in, or written: the
// program takes no messages meanwhile, and a big document under the edit
// control takes seconds, so the writer sees it is busy rather than hung.
class BusyCursor {
 public:
  explicit BusyCursor(host::HostApi& host) : host_(host) { host_.show_busy(true); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
  ~BusyCursor() { host_.show_busy(false); }

 private:
  host::HostApi& host_;
};

}  // namespace

Documents::Documents(host::HostApi& host) : host_(host), properties_(host) {}

host::Text Documents::content() { return properties_.text(kEditBox, host::prop::edit::kContent); }

void Documents::settle(std::uint64_t checksum) {
  settled_checksum_ = checksum;
  settled_changes_ = host_.edit_changes(kEditBox);
}

host::Text Documents::current_file_name() { return properties_.text(kCommonDialog, host::prop::dialog::kFileName); }

host::Document Documents::read_document(const host::Text& file_name) {
  const host::Bytes bytes = host_.read_file(file_name);
  return host::read_document(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool Documents::run_file_dialog(int kind) {
  // The same dialog serves the font choice, so its kind is set on every use.
  properties_.set(kCommonDialog, host::prop::dialog::kDialogKind, kind);
  properties_.set(kCommonDialog, host::prop::dialog::kInitialDir, host_.program_directory());
  return host_.open_common_dialog(kCommonDialog);
}

Documents::ChangeCheck Documents::check_for_changes() {
  if (content().empty()) return ChangeCheck::Settled;
  const host::Document on_disk = read_document(current_file_name());
  if (host::compare_texts(content(), on_disk.text, true) == 0) return ChangeCheck::Settled;
  const int answer = host_.message_box(
      "程序检测到 您的文档\r\n\r\n已发生更改 尚未保存\r\n\r\n是否对当前文档进行保存？", kYesNo, "提示：");
  if (answer != kResultYes) return ChangeCheck::Settled;
  return save_document() ? ChangeCheck::Settled : ChangeCheck::NotSaved;
}

void Documents::new_document() {
  // The writer asked for the text to be kept: when it could not be, keep it
  // on screen rather than throw it away.
  if (check_for_changes() == ChangeCheck::NotSaved) return;
  properties_.set(kEditBox, host::prop::edit::kContent, host::Text{});
  encoding_ = host::DocumentEncoding::Gb18030;
  settle(host::checksum_of(""));
}

std::optional<std::uint64_t> Documents::write_document(const host::Text& file_name) {
  const BusyCursor busy(host_);
  // In the program's own encoding the content's bytes go to the file as they
  // are, without copying a document of megabytes once more.
  const host::Text text = content();
  const std::string converted =
      encoding_ == host::DocumentEncoding::Gb18030 ? std::string() : host::document_bytes(text, encoding_);
  const std::string& file_text = encoding_ == host::DocumentEncoding::Gb18030 ? text : converted;
  const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(file_text.data()), file_text.size());
  if (!host_.write_file(file_name, bytes)) return std::nullopt;
  return host::checksum_of(text);
}

bool Documents::save_document() {
  if (!run_file_dialog(host::prop::dialog::kKindSave)) {
    host_.message_box("注意文档未保存&&", kOk, "提醒：");
    return false;
  }
  const host::Text file_name = current_file_name();
  const std::optional<std::uint64_t> written = write_document(file_name);
  if (!written) {
    // The file is replaced as a whole or not at all, so the old one is intact.
    host_.message_box(host::join_texts({"文件 ", file_name, " 无法写入，文档没有保存。\r\n\r\n请换一个文件名或文件夹再试。"}),
                      kOk, "保存失败：");
    return false;
  }
  settle(*written);
  host_.message_box("保存成功！！！", kOk, "恭喜：");
  return true;
}

bool Documents::replacing_confirmed() {
  const int answer = host_.message_box(
      "作者很耐心地提醒您：\r\n\r\n 即将打开的新文件会覆盖掉当前文档 @o@\r\n\r\n"
      "如果希望当前文档与新文件共存,请使用{添加文档 Ctrl+F}选项\r\n\r\n否则请选择{是}继续打开新文档。",
      kYesNo, "温馨提示：");
  return answer == kResultYes;
}

bool Documents::readable_or_said(const host::Text& file_name) {
  if (host_.file_readable(file_name)) return true;
  host_.message_box(host::join_texts({"文件 ", file_name, " 不存在或无法读取，没有打开。"}), kOk, "打开失败：");
  return false;
}

void Documents::load(const host::Text& file_name, bool had_text) {
  const BusyCursor busy(host_);
  if (had_text) properties_.set(kEditBox, host::prop::edit::kContent, host::Text{});
  host::Document document = read_document(file_name);
  encoding_ = document.encoding;
  const std::uint64_t checksum = host::checksum_of(document.text);
  properties_.set(kEditBox, host::prop::edit::kContent, std::move(document.text));
  settle(checksum);
}

// The appended file's text joins the document, which keeps its own encoding.
void Documents::append(const host::Text& file_name) {
  const BusyCursor busy(host_);
  host_.append_text(kEditBox, read_document(file_name).text);
}

void Documents::open_document() {
  const bool had_text = !content().empty();
  if (had_text && !replacing_confirmed()) return;
  if (!run_file_dialog(host::prop::dialog::kKindOpen)) return;
  load(current_file_name(), had_text);
}

void Documents::append_document() {
  if (!run_file_dialog(host::prop::dialog::kKindOpen)) return;
  append(current_file_name());
}

bool Documents::open_file(const host::Text& file_name) {
  if (!readable_or_said(file_name)) return false;
  const bool had_text = !content().empty();
  if (had_text && !replacing_confirmed()) return false;
  properties_.set(kCommonDialog, host::prop::dialog::kFileName, file_name);
  load(file_name, had_text);
  return true;
}

bool Documents::append_file(const host::Text& file_name) {
  if (!readable_or_said(file_name)) return false;
  properties_.set(kCommonDialog, host::prop::dialog::kFileName, file_name);
  append(file_name);
  return true;
}

void Documents::take_dropped_files(const host::DroppedFiles& dropped) {
  if (dropped.names.empty()) return;
  const host::Text& first = dropped.names.front();
  const bool appending = dropped.control_held;
  if (!(appending ? append_file(first) : open_file(first)) || dropped.names.size() == 1) return;
  const host::Text verb = appending ? "添加" : "打开";
  host_.message_box(host::join_texts({"一次只能", verb, "一个文件，已", verb, "拖入的第一个：\r\n\r\n", first,
                                      "\r\n\r\n其余 ", host::to_text(static_cast<std::int32_t>(dropped.names.size() - 1)),
                                      " 个文件没有", verb, "。"}),
                    kOk, "拖入多个文件：");
}

host::HandlerResult Documents::confirm_exit() {
  // A document that could not be saved still leads to the exit question: the
  // writer has just been told, and may answer No to stay.
  check_for_changes();
  const int answer = host_.message_box(
      "亲爱的朋友！ 当前已没有您需要保存的文档\r\n\r\n请问您是否真的确定退出本程序", kYesNo, "退出确认：");
  if (answer == kResultNo) {
    host_.message_box("亲 欢迎你再来奋斗 ￥o￥\r\n\r\n身体是革命的本钱 请注意休息！", kOk, "欢迎回来：");
    return 0;
  }
  host_.end_program(0);
  return std::nullopt;
}

std::optional<host::RecoveryCopy> Documents::unsaved_copy() {
  if (host_.edit_changes(kEditBox) == settled_changes_) return std::nullopt;
  host::Text text = content();
  if (text.empty() || host::checksum_of(text) == settled_checksum_) return std::nullopt;
  return host::RecoveryCopy{std::move(text), current_file_name(), encoding_, host_.current_date_time()};
}

void Documents::restore(const host::RecoveryCopy& copy) {
  if (content().empty()) {
    properties_.set(kEditBox, host::prop::edit::kContent, copy.text);
  } else {
    host_.append_text(kEditBox, copy.text);
  }
  properties_.set(kCommonDialog, host::prop::dialog::kFileName, copy.file_name);
  encoding_ = copy.encoding;
  settled_checksum_.reset();
  settled_changes_.reset();
}

}  // namespace app

