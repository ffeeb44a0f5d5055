#include "host_test_support.h"

#include <array>

#include "host/units/window_text_win.h"

namespace host::testing {

HandlerTable Recorder::table() {
  HandlerTable table;
  for (std::size_t index = 0; index < kHandlerCount; ++index) {
    const auto slot = static_cast<HandlerId>(index);
    table[index] = [this, slot](std::span<const std::int32_t> arguments) -> HandlerResult {
      calls_.push_back({slot, {arguments.begin(), arguments.end()}});
      const auto behaviour = behaviours_.find(slot);
      return behaviour == behaviours_.end() ? std::nullopt : behaviour->second(arguments);
    };
  }
  return table;
}

int Recorder::count(HandlerId slot) const {
  int count = 0;
  for (const Call& call : calls_) count += call.slot == slot;
  return count;
}

std::vector<std::int32_t> Recorder::last_arguments(HandlerId slot) const {
  for (auto call = calls_.rbegin(); call != calls_.rend(); ++call)
    if (call->slot == slot) return call->arguments;
  return {};
}

std::vector<HandlerId> Recorder::slots() const {
  std::vector<HandlerId> slots;
  for (const Call& call : calls_) slots.push_back(call.slot);
  return slots;
}

bool pump_until(Runtime& runtime, const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  // A thread timer wakes the loop now and then, so the deadline is seen even
  // when no other message comes.
  const UINT_PTR wake = SetTimer(nullptr, 0, 10, nullptr);
  bool met = false;
  runtime.run_until([&] {
    met = condition();
    return met || std::chrono::steady_clock::now() > deadline;
  });
  KillTimer(nullptr, wake);
  return met;
}

namespace {

// A message-only window that notes when the marker message reaches it.
LRESULT CALLBACK marker_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_APP) *reinterpret_cast<bool*>(GetWindowLongPtrW(window, GWLP_USERDATA)) = true;
  return DefWindowProcW(window, message, wparam, lparam);
}

HWND create_marker_window(bool& seen) {
  static const ATOM marker_class = [] {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = marker_procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.lpszClassName = L"VerbrookTestMarker";
    return RegisterClassW(&window_class);
  }();
  HWND window = CreateWindowExW(0, MAKEINTATOM(marker_class), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&seen));
  return window;
}

}  // namespace

void pump_pending(Runtime& runtime) {
  // A message posted now comes after everything queued before it; a second
  // round takes what handling those added (a key's character message).
  for (int round = 0; round < 2; ++round) {
    bool seen = false;
    HWND marker = create_marker_window(seen);
    PostMessageW(marker, WM_APP, 0, 0);
    pump_until(runtime, [&] { return seen; });
    DestroyWindow(marker);
  }
}

HeldKeys::HeldKeys(std::initializer_list<BYTE> keys) {
  GetKeyboardState(saved_);
  BYTE state[256];
  std::copy(std::begin(saved_), std::end(saved_), std::begin(state));
  for (BYTE key : keys) state[key] |= 0x80;
  SetKeyboardState(state);
}

HeldKeys::~HeldKeys() { SetKeyboardState(saved_); }

void post_key_down(HWND window, UINT virtual_key) {
  const UINT scan_code = MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC);
  PostMessageW(window, WM_KEYDOWN, virtual_key, 1 | (scan_code << 16));
}

namespace {

struct WindowSearch {
  DWORD process;
  const wchar_t* class_name;
  HWND other_than;
  HWND found = nullptr;
};

BOOL CALLBACK check_window(HWND candidate, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(candidate, &owner);
  wchar_t class_name[64] = {};
  GetClassNameW(candidate, class_name, 64);
  if (owner != search->process || candidate == search->other_than || std::wstring(class_name) != search->class_name ||
      !IsWindowVisible(candidate))
    return TRUE;
  search->found = candidate;
  return FALSE;
}

}  // namespace

HWND find_visible_window(DWORD process, const wchar_t* class_name, HWND other_than) {
  WindowSearch search{process, class_name, other_than};
  EnumWindows(check_window, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND find_message_box(DWORD process) { return find_visible_window(process, L"#32770"); }

HWND handle_of(HostApi& host, const UnitRef& unit) { return reinterpret_cast<HWND>(host.window_handle(unit)); }

std::wstring window_text_of(HWND window) { return window_text(window); }

namespace test_forms {
namespace {

constexpr EventBinding kEditWindowEvents[] = {
    {event::kCreated, kCreated},         {event::kMoved, kMoved},
    {event::kSizeChanged, kSizeChanged}, {event::kShown, kShown},
    {event::kQueryClose, kQueryClose},   {event::kAboutToBeDestroyed, kDestroyed},
};
constexpr EventBinding kEditBoxEvents[] = {
    {event::kKeyDown, kEditKeyDown},
    {event::kCharacter, kEditCharacter},
    {event::kContentChanged, kEditChanged},
    {event::kLeftButtonDown, kEditClicked},
};
constexpr EventBinding kTimerEvents[] = {{event::kTick, kTick}};

constexpr UnitDefinition kEditControls[] = {
    {.id = kEditBox,
     .name = "edit",
     .geometry = {4, 4, 300, 200},
     .visible = true,
     .events = kEditBoxEvents,
     .data = EditBoxData{.multi_line = true, .scroll_bars = 2, .content = "abc"}},
    {.id = kTimer, .name = "timer", .events = kTimerEvents, .data = TimerData{.interval = 0}},
};

constexpr FormDefinition kEditFormDefinition{
    .id = kEditForm,
    .window = {.id = kEditWindow,
               .geometry = {10, 20, 400, 300},
               .visible = false,
               .events = kEditWindowEvents,
               // A popup: creating one sends it size and move messages at once.
               .data = WindowData{.border = 0, .start_position = 0, .esc_closes = false}},
    .controls = kEditControls,
};

constexpr EventBinding kPlainEventsA[] = {{event::kQueryClose, kQueryCloseA}};
constexpr EventBinding kPlainEventsB[] = {{event::kQueryClose, kQueryCloseB}};

constexpr FormDefinition plain_form(FormId form, UnitId window, std::span<const EventBinding> events, int left) {
  return {.id = form,
          .window = {.id = window,
                     .geometry = {left, 100, 200, 150},
                     .visible = true,
                     .events = events,
                     .data = WindowData{.start_position = 0}}};
}

constexpr FormDefinition kPlainA = plain_form(kPlainFormA, kPlainWindowA, kPlainEventsA, 100);
constexpr FormDefinition kPlainB = plain_form(kPlainFormB, kPlainWindowB, kPlainEventsB, 400);

}  // namespace

std::span<const FormDefinition* const> all() {
  static const std::array<const FormDefinition*, 4> forms{&kEditFormDefinition, &kPlainA, &kPlainB, &main_form()};
  return forms;
}

}  // namespace test_forms

std::filesystem::path artifacts_folder() {
  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  return std::filesystem::path(program).parent_path() / L"artifacts";
}

void MainWindowShown::SetUp() {
  host.start_runtime(recorder.table());
  ASSERT_TRUE(host.load_window(units::kMainWindow, std::nullopt, false));
  host.write_property(form::kMain, unit::kMainWindow, prop::kVisible, -1, true);
  main = handle_of(host, units::kMainWindow);
  edit = handle_of(host, units::kEditBox);
  ASSERT_TRUE(pump_until(host.runtime(), [&] { return GetFocus() == edit; }));
  recorder.clear();
}

}  // namespace host::testing
