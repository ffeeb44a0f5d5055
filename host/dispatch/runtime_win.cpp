#include "host/dispatch/runtime_win.h"

#include <algorithm>
#include <string>
#include <utility>

#include "host/dispatch/fatal_errors.h"
#include "host/dispatch/live_form_win.h"
#include "host/forms/bindings.h"
#include "host/services/encoding_win.h"
#include "host/services/program_directory_win.h"

namespace host {
namespace {

// The caption of the box that reports a fatal error.
constexpr std::string_view kFatalErrorCaption = "Verbrook";

}  // namespace

Runtime::Runtime(std::span<const FormDefinition* const> forms) : definitions_(forms) {}

Runtime::~Runtime() {
  ++suppression_;
  close_all_windows();
}

void Runtime::close_all_windows() {
  // Their going no longer ends any loop.
  loop_entered_ = false;
  const std::vector<std::shared_ptr<LiveForm>> remaining = forms_;
  for (const auto& form : remaining)
    if (form->alive()) DestroyWindow(form->window());
  forms_.clear();
}

void Runtime::start(HandlerTable handlers) {
  if (!com_) com_.emplace();
  const std::wstring folder = program_directory_wide();
  if (!folder.empty()) SetCurrentDirectoryW(folder.c_str());
  if (first_unfilled_slot(definitions_, handlers)) fatal_error(fatal::kFormDataUnreadable);
  handlers_ = std::move(handlers);
}

void Runtime::end_program(int exit_code) {
  if (GetCurrentThreadId() != ui_thread_) {
    PostThreadMessageW(ui_thread_, kEndProgramMessage, static_cast<WPARAM>(exit_code), 0);
    for (;;) Sleep(INFINITE);  // the user-interface thread ends the process
  }
  ++suppression_;  // for good: no event runs any more
  // In this order: the windows, with what they hold (the skin layer's images);
  // the exit procedure, which shuts GDI+ down; COM, which GDI+ decodes through.
  close_all_windows();
  // Taken out first, so that it runs once even if it asks to end again.
  if (std::function<void()> procedure = std::exchange(exit_procedure_, {})) procedure();
  com_.reset();
  ExitProcess(static_cast<UINT>(exit_code));
}

void Runtime::fatal_error(std::string_view message, std::optional<int> code) {
  ++suppression_;  // for good
  const std::wstring text = gb18030_to_wide(fatal::error_box_text(message, code));
  const std::wstring caption = gb18030_to_wide(kFatalErrorCaption);
  MessageBoxW(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
  ExitProcess(static_cast<UINT>(-1));
}

LiveForm* Runtime::loaded_form(FormId form) const {
  for (const auto& loaded : forms_)
    if (loaded->id() == form && loaded->alive()) return loaded.get();
  return nullptr;
}

Unit& Runtime::unit_or_fatal(const UnitRef& unit) {
  LiveForm* form = loaded_form(unit.form);
  Unit* found = form ? form->find_unit(unit.unit) : nullptr;
  if (!found || found->type() != unit.type) fatal_error(fatal::kUnitNotLoaded);
  return *found;
}

std::shared_ptr<LiveForm> Runtime::shared_form(HWND root) const {
  for (const auto& loaded : forms_)
    if (loaded->window() == root) return loaded;
  return nullptr;
}

HandlerResult Runtime::deliver(const LiveForm& form, UnitId unit, int event,
                               std::initializer_list<std::int32_t> arguments) {
  if (suppression_ > 0) return std::nullopt;
  const std::optional<HandlerId> slot = bound_handler(form.definition(), unit, event);
  if (!slot) return std::nullopt;
  const Handler& handler = handlers_[static_cast<std::size_t>(*slot)];
  if (!handler) return std::nullopt;
  return handler(std::span<const std::int32_t>(arguments.begin(), arguments.size()));
}

void Runtime::deliver_dropped_files(const DropHandler& handler, const DroppedFiles& dropped) {
  if (suppression_ > 0 || !handler) return;
  handler(dropped);
}

void Runtime::on_form_destroyed(const LiveForm& form) {
  std::erase_if(forms_, [&form](const auto& loaded) { return loaded.get() == &form; });
  if (forms_.empty() && loop_entered_) PostQuitMessage(0);
}

}  // namespace host
