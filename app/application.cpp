#include "app/application.h"

#include <span>
#include <utility>

namespace app {
namespace {

using host::HandlerId;
using host::HandlerResult;
using Arguments = std::span<const std::int32_t>;

// Wraps a procedure that takes no arguments and returns nothing.
template <class Procedure>
host::Handler plain(Procedure procedure) {
  return [procedure](Arguments) -> HandlerResult {
    procedure();
    return std::nullopt;
  };
}

std::int32_t first_argument(Arguments arguments) { return arguments.empty() ? 0 : arguments.front(); }

}  // namespace

Application::Application(host::HostApi& host, skin::SkinApi& skin, std::vector<SplashFrame> splash_frames)
    : host_(host),
      skin_(skin),
      splash_(host, std::move(splash_frames)),
      documents_(host),
      recovery_(host, documents_),
      statistics_(host),
      edit_commands_(host),
      notices_(host),
      main_window_(host),
      appearance_(host) {}

int Application::entry() {
  host_.start_runtime(handler_table());
  skin_window_ = skin_.create_window();
  host_.register_exit_procedure([this] { on_exit(); });
  skin_.startup();
  skin_.decode_ahead(splash_.frames());
  host_.load_start_window(host::form::kStartup);
  host_.run_message_loop();
  return 0;
}

void Application::on_exit() {
  recovery_.end();
  release_skin();
  statistics_.release_split_lines();
}

// GDI+ and the splash's images are needed only while frames are shown: the
// last one stays on screen by itself until the startup window goes. The skin
// window object goes before the skin layer shuts GDI+ down.
void Application::release_skin() {
  if (!skin_window_) return;
  skin_window_.reset();
  skin_.shutdown();
}

void Application::on_splash_tick() {
  // Released before the main window comes up, so that whatever the writer
  // asks of it first (an open dialog, a large file) does not have to find
  // room beside them.
  if (splash_.next_tick_hands_over()) release_skin();
  splash_.on_tick(skin_window_.get());
  // Returned from the hand-over: the main window is up.
  if (splash_.main_window_up() && !main_window_up_) {
    main_window_up_ = true;
    on_main_window_up();
  }
}

void Application::on_main_window_up() {
  host_.accept_dropped_files(host::units::kMainWindow, [this](const host::DroppedFiles& dropped) {
    documents_.take_dropped_files(dropped);
    recovery_.catch_up();
  });
  // The file the program was started with opens now, as Ctrl+D opens one,
  // before a copy left by an unclean end is offered back.
  if (const host::Text file = host_.command_line_document(); !file.empty()) {
    documents_.open_file(file);
    recovery_.catch_up();
  }
  recovery_.start();
}

host::Handler Application::document_command(std::function<void()> command) {
  return plain([this, command = std::move(command)] {
    command();
    recovery_.catch_up();
  });
}

void Application::on_edit_key_down(std::int32_t key_code) {
  if (key_code == key::kEsc) {
    main_window_.hide();
  } else if (key_code == key::kBackspace) {
    statistics_.resync_on_backspace();
  } else if (key_code == key::kEnter) {
    statistics_.end_paragraph();
  }
}

host::HandlerTable Application::handler_table() {
  host::HandlerTable table;
  auto bind = [&table](HandlerId id, host::Handler handler) { table[static_cast<std::size_t>(id)] = std::move(handler); };

  bind(HandlerId::StartupCreated, plain([this] { splash_.on_startup_created(*skin_window_); }));
  bind(HandlerId::SplashTick, plain([this] { on_splash_tick(); }));

  bind(HandlerId::MainSizeChanged, plain([this] { main_window_.fit_edit_box(); }));
  bind(HandlerId::MainQueryClose, [this](Arguments) { return documents_.confirm_exit(); });
  bind(HandlerId::MainKeyDown, [this](Arguments arguments) -> HandlerResult {
    if (first_argument(arguments) == key::kEsc) main_window_.show();
    return std::nullopt;
  });
  bind(HandlerId::ColourChanged, plain([this] { appearance_.apply_chosen_colour(); }));
  bind(HandlerId::EditKeyDown, [this](Arguments arguments) -> HandlerResult {
    on_edit_key_down(first_argument(arguments));
    return std::nullopt;
  });
  bind(HandlerId::EditGotFocus, plain([this] { appearance_.load_configuration(); }));

  bind(HandlerId::NewDocument, document_command([this] { documents_.new_document(); }));
  bind(HandlerId::SaveDocument, document_command([this] { documents_.save_document(); }));
  bind(HandlerId::OpenDocument, document_command([this] { documents_.open_document(); }));
  bind(HandlerId::AppendDocument, document_command([this] { documents_.append_document(); }));
  bind(HandlerId::Cut, plain([this] { edit_commands_.cut(); }));
  bind(HandlerId::Copy, plain([this] { edit_commands_.copy(); }));
  bind(HandlerId::Paste, plain([this] { edit_commands_.paste(); }));
  bind(HandlerId::ClearAll, document_command([this] { statistics_.clear_text_and_counters(); }));
  bind(HandlerId::HideNotice, plain([this] { notices_.show_hide_notice(); }));
  bind(HandlerId::TotalCount, plain([this] { statistics_.show_total_count(); }));
  bind(HandlerId::InsertDateTime, plain([this] { edit_commands_.insert_date_time(); }));
  bind(HandlerId::ChooseTextColour, plain([this] { appearance_.choose_text_colour(); }));
  bind(HandlerId::ChooseBackColour, plain([this] { appearance_.choose_back_colour(); }));
  bind(HandlerId::ChooseFont, plain([this] { appearance_.choose_font(); }));
  bind(HandlerId::RestoreConfiguration, plain([this] { appearance_.restore_configuration(); }));
  bind(HandlerId::OpenWebPage, plain([this] { notices_.open_web_page(); }));
  bind(HandlerId::AuthorNotice, plain([this] { notices_.show_author_notice(); }));
  bind(HandlerId::ShortcutHelp, plain([this] { notices_.show_shortcut_help(); }));
  return table;
}

}  // namespace app
