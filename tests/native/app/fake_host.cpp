#include "fake_host.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <algorithm>
#include <utility>

namespace app_test {
namespace {

using host::HandlerId;
using host::UnitRef;
using host::Value;
namespace prop = host::prop;
namespace units = host::units;

const UnitRef kAllUnits[] = {units::kStartupWindow, units::kSplashTimer, units::kMainWindow,
                             units::kColorPicker,  units::kCommonDialog, units::kEditBox};

std::optional<UnitRef> unit_ref(host::FormId form, host::UnitId unit) {
  for (const UnitRef& ref : kAllUnits) {
    if (ref.form == form && ref.unit == unit) return ref;
  }
  return std::nullopt;
}

std::string property_name(host::UnitId unit, int index, int array_index) {
  static const std::map<int, std::string> kCommon = {
      {prop::kLeft, "Left"},       {prop::kTop, "Top"},         {prop::kWidth, "Width"},
      {prop::kHeight, "Height"},   {prop::kVisible, "Visible"}, {prop::kDisabled, "Disabled"}};
  static const std::map<std::pair<host::UnitId, int>, std::string> kOwn = {
      {{host::unit::kMainWindow, prop::window::kCaption}, "Caption"},
      {{host::unit::kMainWindow, prop::window::kAlwaysOnTop}, "AlwaysOnTop"},
      {{host::unit::kStartupWindow, prop::window::kCaption}, "Caption"},
      {{host::unit::kEditBox, prop::edit::kContent}, "Content"},
      {{host::unit::kEditBox, prop::edit::kTextColor}, "TextColor"},
      {{host::unit::kEditBox, prop::edit::kBackColor}, "BackColor"},
      {{host::unit::kEditBox, prop::edit::kFont}, "Font"},
      {{host::unit::kEditBox, prop::edit::kSelStart}, "SelStart"},
      {{host::unit::kEditBox, prop::edit::kSelLength}, "SelLength"},
      {{host::unit::kEditBox, prop::edit::kSelText}, "SelText"},
      {{host::unit::kCommonDialog, prop::dialog::kDialogKind}, "DialogKind"},
      {{host::unit::kCommonDialog, prop::dialog::kFileName}, "FileName"},
      {{host::unit::kCommonDialog, prop::dialog::kInitialDir}, "InitialDir"},
      {{host::unit::kCommonDialog, prop::dialog::kFontName}, "FontName"},
      {{host::unit::kCommonDialog, prop::dialog::kFontSize}, "FontSize"},
      {{host::unit::kColorPicker, prop::picker::kColour}, "Colour"},
      {{host::unit::kSplashTimer, prop::timer::kInterval}, "Interval"}};
  std::string name;
  if (auto own = kOwn.find({unit, index}); own != kOwn.end()) {
    name = own->second;
  } else if (auto common = kCommon.find(index); common != kCommon.end()) {
    name = common->second;
  } else {
    name = std::to_string(index);
  }
  if (array_index >= 0) name += "[" + std::to_string(array_index) + "]";
  return unit_name(unit) + "." + name;
}

std::string handler_name(HandlerId id) {
  static const char* const kNames[] = {
      "StartupCreated", "SplashTick",     "MainSizeChanged", "MainQueryClose",   "MainKeyDown",
      "ColourChanged",  "EditKeyDown",    "EditGotFocus",    "NewDocument",      "SaveDocument",
      "OpenDocument",   "AppendDocument", "Cut",             "Copy",             "Paste",
      "ClearAll",       "HideNotice",     "TotalCount",      "InsertDateTime",   "ChooseTextColour",
      "ChooseBackColour", "ChooseFont",   "RestoreConfiguration", "OpenWebPage", "AuthorNotice",
      "ShortcutHelp"};
  static_assert(std::size(kNames) == host::kHandlerCount);
  return kNames[static_cast<std::size_t>(id)];
}

// Leading bytes up to 0x20 do not count in configuration names.
std::string_view trim_leading(const host::Text& text) {
  std::size_t start = 0;
  while (start < text.size() && static_cast<unsigned char>(text[start]) <= 0x20) ++start;
  return std::string_view(text).substr(start);
}

class FakeSkinWindow final : public skin::SkinWindow {
 public:
  explicit FakeSkinWindow(SkinRecord& record) : record_(record) {
    ++record_.windows_created;
    record_.note("skin create_window");
  }
  ~FakeSkinWindow() override {
    ++record_.windows_destroyed;
    record_.note("skin window destroyed");
  }

  bool attach(std::uintptr_t window) override {
    record_.attached.push_back(window);
    record_.note("skin attach " + std::to_string(window));
    return true;
  }
  bool load_back_image(std::span<const std::uint8_t> image_bytes) override {
    record_.images.emplace_back(image_bytes.begin(), image_bytes.end());
    record_.note("skin load_back_image");
    return true;
  }

 private:
  SkinRecord& record_;
};

}  // namespace

std::string unit_name(host::UnitId unit) {
  switch (unit) {
    case host::unit::kStartupWindow: return "startup";
    case host::unit::kSplashTimer: return "timer";
    case host::unit::kMainWindow: return "main";
    case host::unit::kColorPicker: return "picker";
    case host::unit::kCommonDialog: return "dialog";
    case host::unit::kEditBox: return "edit";
    default: return "unit?";
  }
}

std::string value_text(const Value& value) {
  if (const auto* text = std::get_if<host::Text>(&value)) return "\"" + *text + "\"";
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "true" : "false";
  if (const auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
  return "<kind " + std::to_string(value.index()) + ">";
}

std::string readable(std::string_view gbk) {
  iconv_t converter = iconv_open("UTF-8", "GBK");
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(gbk);
  std::string in(gbk), out(gbk.size() * 2 + 4, '\0');
  char* in_at = in.data();
  char* out_at = out.data();
  std::size_t in_left = in.size(), out_left = out.size();
  const std::size_t result = iconv(converter, &in_at, &in_left, &out_at, &out_left);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1)) return std::string(gbk);
  out.resize(out.size() - out_left);
  return out;
}

void PrintTo(const MessageBoxCall& box, std::ostream* out) {
  *out << "{caption \"" << readable(box.caption) << "\", flags " << box.flags << ", text \"" << readable(box.text)
       << "\"}";
}

std::unique_ptr<skin::SkinWindow> FakeSkin::create_window() { return std::make_unique<FakeSkinWindow>(record); }

FakeHost::FakeHost() = default;

host::HandlerResult FakeHost::fire(HandlerId id, std::vector<std::int32_t> arguments) {
  if (!handlers || !(*handlers)[static_cast<std::size_t>(id)]) {
    ADD_FAILURE() << "no handler bound to " << handler_name(id);
    return std::nullopt;
  }
  log.push_back("event " + handler_name(id));
  try {
    return (*handlers)[static_cast<std::size_t>(id)](arguments);
  } catch (const ModalLoopEntered&) {
    // The handler showed a modal window and never gets back from its loop.
    return std::nullopt;
  }
}

// --- runtime -------------------------------------------------------------------

void FakeHost::start_runtime(host::HandlerTable table) {
  log.push_back("start_runtime");
  handlers = std::move(table);
}

void FakeHost::register_exit_procedure(std::function<void()> procedure) {
  log.push_back("register_exit_procedure");
  exit_procedure_ = std::move(procedure);
}

void FakeHost::load_start_window(host::FormId form) {
  log.push_back(form == host::form::kStartup ? "load_start_window startup" : "load_start_window ?");
  start_window = form;
  load_form(form);
  fire(HandlerId::StartupCreated);
}

// Returns at once: the tests play the message loop, firing events themselves.
void FakeHost::run_message_loop() {
  log.push_back("run_message_loop");
}

void FakeHost::end_program(int code) {
  log.push_back("end_program " + std::to_string(code));
  exit_code = code;
  // The real host runs the exit procedure once, whoever asks how often.
  if (exit_procedure_runs == 0 && exit_procedure_) {
    ++exit_procedure_runs;
    exit_procedure_();
  }
  throw ProgramEnded{code};
}

// --- the units' properties -----------------------------------------------------

void FakeHost::load_form(host::FormId form) {
  auto& values = properties_[form];
  values.clear();
  auto put = [&values](const UnitRef& unit, int index, Value value, int array_index = -1) {
    values[{unit.unit, index, array_index}] = std::move(value);
  };
  if (form == host::form::kStartup) {
    const UnitRef& window = units::kStartupWindow;
    put(window, prop::kWidth, 495);
    put(window, prop::kHeight, 354);
    put(window, prop::kVisible, true);
    put(window, prop::kDisabled, false);
    put(window, prop::window::kCaption, host::Text{});
    put(units::kSplashTimer, prop::timer::kInterval, 50);
  } else {
    const UnitRef& window = units::kMainWindow;
    put(window, prop::kWidth, 560);
    put(window, prop::kHeight, 620);
    put(window, prop::kVisible, false);
    put(window, prop::kDisabled, false);
    put(window, prop::window::kCaption, host::Text{});
    put(window, prop::window::kAlwaysOnTop, false);
    const UnitRef& edit = units::kEditBox;
    put(edit, prop::kLeft, -1);
    put(edit, prop::kTop, 0);
    put(edit, prop::kWidth, 550);
    put(edit, prop::kHeight, 560);
    put(edit, prop::kVisible, true);
    put(edit, prop::kDisabled, false);
    put(edit, prop::edit::kContent, host::Text{});
    put(edit, prop::edit::kTextColor, 0x00FF0000);
    put(edit, prop::edit::kBackColor, 0x00C080FF);
    put(edit, prop::edit::kFont, 18, prop::font::kSize);
    put(edit, prop::edit::kFont, host::Text{"宋体"}, prop::font::kFace);
    put(edit, prop::edit::kSelStart, 0);
    put(edit, prop::edit::kSelLength, 0);
    const UnitRef& dialog = units::kCommonDialog;
    put(dialog, prop::dialog::kDialogKind, 0);
    put(dialog, prop::dialog::kFileName, host::Text{});
    put(dialog, prop::dialog::kInitialDir, host::Text{});
    put(dialog, prop::dialog::kFontName, host::Text{});
    put(dialog, prop::dialog::kFontSize, 0);
    put(units::kColorPicker, prop::picker::kColour, host::kDefaultColour);
    put(units::kColorPicker, prop::kVisible, false);
  }
  loaded_forms_.insert(form);
}

void FakeHost::require_loaded(host::FormId form, host::UnitId unit) const {
  if (!loaded_forms_.contains(form) || destroyed_units_.contains(unit)) {
    throw FatalError{"unit " + unit_name(unit) + " is not loaded"};
  }
}

Value FakeHost::property(const UnitRef& unit, int index, int array_index) const {
  const auto form = properties_.find(unit.form);
  if (form == properties_.end()) return {};
  if (unit.unit == host::unit::kEditBox && index == prop::edit::kSelText) {
    const host::Text text = content();
    const auto start = std::clamp<std::size_t>(edit_int(prop::edit::kSelStart), 0, text.size());
    return text.substr(start, static_cast<std::size_t>(std::max(edit_int(prop::edit::kSelLength), 0)));
  }
  const auto value = form->second.find({unit.unit, index, array_index});
  return value == form->second.end() ? Value{} : value->second;
}

void FakeHost::set_property(const UnitRef& unit, int index, int array_index, Value value) {
  properties_[unit.form][{unit.unit, index, array_index}] = std::move(value);
}

host::Text FakeHost::content() const {
  const Value value = property(units::kEditBox, prop::edit::kContent);
  const auto* text = std::get_if<host::Text>(&value);
  return text ? *text : host::Text{};
}

host::Text FakeHost::caption() const {
  const Value value = property(units::kMainWindow, prop::window::kCaption);
  const auto* text = std::get_if<host::Text>(&value);
  return text ? *text : host::Text{};
}

std::int32_t FakeHost::edit_int(int index, int array_index) const {
  const Value value = property(units::kEditBox, index, array_index);
  const auto* number = std::get_if<std::int32_t>(&value);
  return number ? *number : 0;
}

void FakeHost::set_content(const host::Text& text) {
  write_text_unlogged(prop::edit::kContent, text);
  select(0, 0);
}

void FakeHost::select(std::int32_t start, std::int32_t length) {
  set_property(units::kEditBox, prop::edit::kSelStart, -1, start);
  set_property(units::kEditBox, prop::edit::kSelLength, -1, length);
}

void FakeHost::write_text_unlogged(int index, host::Text text) {
  if (index == prop::edit::kContent) ++edit_changes_;
  set_property(units::kEditBox, index, -1, std::move(text));
}

Value FakeHost::read_property(host::FormId form, host::UnitId unit, int index, int array_index) {
  require_loaded(form, unit);
  const auto ref = unit_ref(form, unit);
  if (!ref) throw FatalError{"no such unit"};
  Value value = property(*ref, index, array_index);
  if (std::holds_alternative<host::Omitted>(value)) {
    ADD_FAILURE() << "read of " << property_name(unit, index, array_index) << ", which the model does not hold";
  }
  return value;
}

void FakeHost::write_property(host::FormId form, host::UnitId unit, int index, int array_index,
                              Value value) {
  require_loaded(form, unit);
  const auto ref = unit_ref(form, unit);
  if (!ref) throw FatalError{"no such unit"};
  log.push_back("write " + property_name(unit, index, array_index) + "=" + value_text(value));
  const Value old = property(*ref, index, array_index);
  if (std::holds_alternative<host::Omitted>(old) || old.index() != value.index()) {
    ADD_FAILURE() << "write of " << property_name(unit, index, array_index) << " with " << value_text(value)
                  << ", which the model holds as " << value_text(old);
  }
  Value stored = value;
  // A face name the font cannot take becomes the form's face.
  if (unit == host::unit::kEditBox && index == prop::edit::kFont && array_index == prop::font::kFace) {
    const auto& face = std::get<host::Text>(value);
    if (face.empty() || face.size() > 31) stored = host::Text{"宋体"};
  }
  set_property(*ref, index, array_index, std::move(stored));

  if (unit == host::unit::kEditBox && index == prop::edit::kContent) {
    ++edit_changes_;
    // A new text puts the caret at the start.
    select(0, 0);
  }
  const auto* shown = std::get_if<bool>(&value);
  if (unit == host::unit::kMainWindow && index == prop::kVisible && shown && *shown && !focus_) {
    // The first showing activates the window, and its edit box takes the focus.
    move_focus(units::kEditBox);
    if (modal_forms_.contains(form)) run_modal_loop();
  }
}

// The real host runs the modal window's own message loop inside the first
// showing, and returns from it only when the window has closed; in this
// program that ends the process first. What arrives meanwhile runs inside
// it: here, the splash timer's ticks while the timer lives. Then the handler
// that showed the window is left, as the real one is never returned to.
void FakeHost::run_modal_loop() {
  log.push_back("modal loop");
  constexpr int kLongestRun = 100;
  for (int tick = 0; tick < kLongestRun && loaded_forms_.contains(units::kSplashTimer.form) &&
                     !destroyed_units_.contains(units::kSplashTimer.unit);
       ++tick)
    fire(HandlerId::SplashTick);
  throw ModalLoopEntered{};
}

// --- windows and units -----------------------------------------------------------

host::WindowHandle FakeHost::window_handle(const UnitRef& unit) {
  require_loaded(unit.form, unit.unit);
  return handle_of(unit);
}

bool FakeHost::load_window(const UnitRef& window, const std::optional<UnitRef>& parent, bool modal) {
  log.push_back("load_window " + unit_name(window.unit) + (parent ? " parent" : "") + (modal ? " modal" : ""));
  if (loaded_forms_.contains(window.form)) return true;
  load_form(window.form);
  if (modal) modal_forms_.insert(window.form);
  // The host delivers created, moved and size changed while loading; of these
  // the program binds size changed only.
  if (window.form == host::form::kMain) fire(HandlerId::MainSizeChanged);
  return true;
}

void FakeHost::destroy_unit(const UnitRef& unit) {
  log.push_back("destroy_unit " + unit_name(unit.unit));
  // A second destroy, from a tick that was already on its way, finds nothing to do.
  if (destroyed_units_.contains(unit.unit)) return;
  destroyed_units_.insert(unit.unit);
  if (unit.type == host::unit_type::kWindow) loaded_forms_.erase(unit.form);
}

void FakeHost::move_focus(const UnitRef& unit) {
  if (focus_ == unit) return;
  focus_ = unit;
  if (unit == units::kEditBox) fire(HandlerId::EditGotFocus);
}

void FakeHost::set_focus(const UnitRef& unit) {
  require_loaded(unit.form, unit.unit);
  log.push_back("set_focus " + unit_name(unit.unit));
  // A disabled control cannot hold the focus.
  const Value disabled = property(unit, prop::kDisabled);
  if (std::holds_alternative<bool>(disabled) && std::get<bool>(disabled)) return;
  move_focus(unit);
}

void FakeHost::open_colour_picker(const UnitRef& picker) {
  require_loaded(picker.form, picker.unit);
  log.push_back("open_colour_picker " + unit_name(picker.unit));
}

void FakeHost::append_text(const UnitRef& edit_box, const host::Text& text) {
  require_loaded(edit_box.form, edit_box.unit);
  EXPECT_EQ(edit_box, units::kEditBox);
  log.push_back("append_text \"" + text + "\"");
  const host::Text joined = content() + text;
  write_text_unlogged(prop::edit::kContent, joined);
  select(static_cast<std::int32_t>(joined.size()), 0);
}

void FakeHost::set_window_transparency(host::WindowHandle window, int alpha) {
  std::string name = "?";
  for (const UnitRef& unit : kAllUnits) {
    if (handle_of(unit) == window) name = unit_name(unit.unit);
  }
  log.push_back("set_window_transparency " + name + " " + std::to_string(alpha));
}

void FakeHost::accept_dropped_files(const UnitRef& window, host::DropHandler dropped) {
  require_loaded(window.form, window.unit);
  log.push_back("accept_dropped_files " + unit_name(window.unit));
  drop_handler_ = std::move(dropped);
}

void FakeHost::drop_files(std::vector<host::Text> names, bool control_held) {
  if (!drop_handler_) {
    ADD_FAILURE() << "the program takes no dropped files";
    return;
  }
  log.push_back("drop " + std::to_string(names.size()) + (control_held ? " with Ctrl" : ""));
  drop_handler_(host::DroppedFiles{std::move(names), control_held});
}

host::Text FakeHost::resolved_font_face(const UnitRef& unit) {
  require_loaded(unit.form, unit.unit);
  EXPECT_EQ(unit, units::kEditBox);
  return resolved_face.empty() ? std::get<host::Text>(property(unit, prop::edit::kFont, prop::font::kFace))
                               : resolved_face;
}

void FakeHost::show_busy(bool busy) { log.push_back(busy ? "busy" : "not busy"); }

// --- dialogs ---------------------------------------------------------------------

int FakeHost::message_box(const host::Text& text, int flags, const host::Text& caption) {
  log.push_back("message_box " + caption);
  boxes.push_back({text, flags, caption});
  // A box with one button has one answer; only questions take a scripted one.
  if (flags != host::message_box::kYesNo) return host::message_box::kResultOk;
  if (box_answers_.empty()) {
    ADD_FAILURE() << "no answer scripted for the question " << readable(caption);
    return host::message_box::kResultNo;
  }
  const int answer = box_answers_.front();
  box_answers_.pop_front();
  return answer;
}

bool FakeHost::open_common_dialog(const UnitRef& dialog) {
  require_loaded(dialog.form, dialog.unit);
  const auto text_of = [this](int index) { return std::get<host::Text>(property(units::kCommonDialog, index)); };
  const auto kind = std::get<std::int32_t>(property(units::kCommonDialog, prop::dialog::kDialogKind));
  log.push_back("open_common_dialog " + std::to_string(kind));
  dialogs.push_back({kind, text_of(prop::dialog::kInitialDir), text_of(prop::dialog::kFileName)});
  if (dialog_answers_.empty()) {
    ADD_FAILURE() << "no answer scripted for the common dialog";
    return false;
  }
  const DialogAnswer answer = dialog_answers_.front();
  dialog_answers_.pop_front();
  if (!answer.confirm) return false;
  if (kind == prop::dialog::kKindFont) {
    set_property(units::kCommonDialog, prop::dialog::kFontName, -1, answer.font_name);
    set_property(units::kCommonDialog, prop::dialog::kFontSize, -1, answer.font_size);
  } else {
    set_property(units::kCommonDialog, prop::dialog::kFileName, -1, answer.file_name);
  }
  return true;
}

void FakeHost::open_web_address(const host::Text& address) {
  log.push_back("open_web_address " + address);
  opened_addresses.push_back(address);
}

// --- clipboard, files, configuration -----------------------------------------------

host::Text FakeHost::clipboard_text() { return clipboard_available ? clipboard : host::Text{}; }

bool FakeHost::set_clipboard_text(const host::Text& text) {
  log.push_back("set_clipboard_text \"" + text + "\"");
  if (!clipboard_available) return false;
  clipboard = text;
  return true;
}

host::Bytes FakeHost::read_file(const host::Text& file_name) {
  const auto file = files.find(file_name);
  return file == files.end() ? host::Bytes{} : file->second;
}

bool FakeHost::write_file(const host::Text& file_name, std::span<const std::uint8_t> bytes) {
  log.push_back("write_file " + file_name);
  if (file_name.empty() || unwritable_files.contains(file_name)) return false;
  files[file_name] = host::Bytes(bytes.begin(), bytes.end());
  return true;
}

bool FakeHost::configuration_file_exists(const host::Text& file) const {
  return std::any_of(configuration.begin(), configuration.end(),
                     [&file](const auto& item) { return std::get<0>(item.first) == file; });
}

host::Text FakeHost::read_configuration_item(const host::Text& file_name, const host::Text& section,
                                             const host::Text& key, const host::Text& default_value) {
  const std::string_view file = trim_leading(file_name), sect = trim_leading(section), name = trim_leading(key);
  if (file.empty() || sect.empty() || name.empty()) return {};
  const auto item = configuration.find({host::Text(file), host::Text(sect), host::Text(name)});
  return item == configuration.end() ? default_value : item->second;
}

// One log line for each write, with all its items.
bool FakeHost::write_configuration_items(const host::Text& file_name, const host::Text& section,
                                         std::span<const host::ConfigurationItem> items) {
  std::string line = "write_configuration_items";
  for (const host::ConfigurationItem& item : items) {
    line += " " + item.key + "=" + item.value;
    configuration[{file_name, section, item.key}] = item.value;
  }
  log.push_back(line);
  return true;
}

void FakeHost::start_interval_timer(unsigned milliseconds, std::function<void()> tick) {
  log.push_back("start_interval_timer " + std::to_string(milliseconds));
  timers_.push_back(std::move(tick));
}

void FakeHost::tick_timers() {
  // By index: a tick may start another timer.
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    const std::function<void()> tick = timers_[i];
    tick();
  }
}

std::uint64_t FakeHost::edit_changes(const UnitRef& edit_box) {
  EXPECT_EQ(edit_box, units::kEditBox);
  return loaded(edit_box.form) ? edit_changes_ : 0;
}

bool FakeHost::keep_recovery_copy(const host::RecoveryCopy& copy) {
  log.push_back("keep_recovery_copy");
  recovery_copy = copy;
  return true;
}

void FakeHost::remove_recovery_copy() {
  log.push_back("remove_recovery_copy");
  recovery_copy.reset();
}

std::optional<host::RecoveryCopy> FakeHost::claim_left_recovery_copy() {
  log.push_back("claim_left_recovery_copy");
  left_copy_claimed_ = left_recovery_copy.has_value();
  return left_recovery_copy;
}

void FakeHost::remove_claimed_recovery_copy() {
  log.push_back("remove_claimed_recovery_copy");
  if (left_copy_claimed_) left_recovery_copy.reset();
  left_copy_claimed_ = false;
}

}  // namespace app_test

