// Helpers for driving the real host in tests: handler tables that record what
// they are called with, a pump that runs the host's own message loop until a
// condition holds or a deadline passes, held-down modifier keys, and test forms.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "host/dispatch/live_form_win.h"
#include "host/forms/forms.h"
#include "host/services/convert.h"
#include "host/win_host_win.h"

namespace host {
// Slots print as their numbers in failure messages.
inline void PrintTo(HandlerId slot, std::ostream* out) { *out << "slot " << static_cast<int>(slot); }
}  // namespace host

namespace host::testing {

using namespace std::chrono_literals;

struct Call {
  HandlerId slot;
  std::vector<std::int32_t> arguments;
};

// Every slot records its calls; a slot with a behaviour runs it and returns its
// answer, the others return nothing.
class Recorder {
 public:
  using Behaviour = std::function<HandlerResult(std::span<const std::int32_t>)>;

  HandlerTable table();
  void on(HandlerId slot, Behaviour behaviour) { behaviours_[slot] = std::move(behaviour); }

  int count(HandlerId slot) const;
  // The arguments of the slot's last call (empty when it had none).
  std::vector<std::int32_t> last_arguments(HandlerId slot) const;
  std::vector<HandlerId> slots() const;
  const std::vector<Call>& calls() const { return calls_; }
  void clear() { calls_.clear(); }

 private:
  std::vector<Call> calls_;
  std::map<HandlerId, Behaviour> behaviours_;
};

// Runs the host's message loop (pre-translation included) until the condition
// holds; false when the deadline passed first.
bool pump_until(Runtime& runtime, const std::function<bool()>& condition,
                std::chrono::milliseconds timeout = 5000ms);
// Runs the loop until everything queued so far has been handled.
void pump_pending(Runtime& runtime);

// Holds modifier keys down in this thread's key state (as GetKeyState and the
// accelerator translation see it) while it lives.
class HeldKeys {
 public:
  explicit HeldKeys(std::initializer_list<BYTE> keys);
  ~HeldKeys();
  HeldKeys(const HeldKeys&) = delete;
  HeldKeys& operator=(const HeldKeys&) = delete;

 private:
  BYTE saved_[256];
};

// Posts a key press (down, and the character for printable keys through the
// loop's translation) to the window.
void post_key_down(HWND window, UINT virtual_key);

// A visible top-level window of the class in the process, or null.
HWND find_visible_window(DWORD process, const wchar_t* class_name, HWND other_than = nullptr);
// A message box (dialog class) of the process, or null.
HWND find_message_box(DWORD process);

HWND handle_of(HostApi& host, const UnitRef& unit);
std::wstring window_text_of(HWND window);

// The folder for files a person looks at after the tests: "artifacts" beside
// the test program.
std::filesystem::path artifacts_folder();

// The main window shown with the edit box focused, as the writer meets it,
// and nothing recorded yet. A fixture built on it that sets more up calls
// this SetUp first and clears the recorder again afterwards.
class MainWindowShown : public ::testing::Test {
 protected:
  void SetUp() override;

  Recorder recorder;
  WinHost host;
  HWND main = nullptr;
  HWND edit = nullptr;
};

// Forms made for the tests; the handler slots are only labels here.
namespace test_forms {
inline constexpr FormId kEditForm = 0x52000101;
inline constexpr UnitId kEditWindow = 0x06000101;
inline constexpr UnitId kEditBox = 0x16000102;
inline constexpr UnitId kTimer = 0x16000103;
inline constexpr UnitRef kEditWindowRef{kEditForm, kEditWindow, unit_type::kWindow};
inline constexpr UnitRef kEditBoxRef{kEditForm, kEditBox, unit_type::kEditBox};
inline constexpr UnitRef kTimerRef{kEditForm, kTimer, unit_type::kTimer};

inline constexpr FormId kPlainFormA = 0x52000201;
inline constexpr FormId kPlainFormB = 0x52000202;
inline constexpr UnitId kPlainWindowA = 0x06000201;
inline constexpr UnitId kPlainWindowB = 0x06000202;
inline constexpr UnitRef kPlainWindowARef{kPlainFormA, kPlainWindowA, unit_type::kWindow};
inline constexpr UnitRef kPlainWindowBRef{kPlainFormB, kPlainWindowB, unit_type::kWindow};

// The slots the edit form binds.
inline constexpr HandlerId kCreated = HandlerId::StartupCreated;
inline constexpr HandlerId kMoved = HandlerId::AuthorNotice;
inline constexpr HandlerId kSizeChanged = HandlerId::MainSizeChanged;
inline constexpr HandlerId kShown = HandlerId::ShortcutHelp;
inline constexpr HandlerId kQueryClose = HandlerId::MainQueryClose;
inline constexpr HandlerId kDestroyed = HandlerId::OpenWebPage;
inline constexpr HandlerId kEditKeyDown = HandlerId::EditKeyDown;
inline constexpr HandlerId kEditCharacter = HandlerId::HideNotice;
inline constexpr HandlerId kEditChanged = HandlerId::Cut;
inline constexpr HandlerId kEditClicked = HandlerId::Copy;
inline constexpr HandlerId kTick = HandlerId::SplashTick;
// The plain forms' query-close events.
inline constexpr HandlerId kQueryCloseA = HandlerId::Paste;
inline constexpr HandlerId kQueryCloseB = HandlerId::ClearAll;

// The edit form: a hidden popup window with an edit box holding "abc" and a timer
// that does not run; the plain forms: an empty visible window each.
std::span<const FormDefinition* const> all();
}  // namespace test_forms

}  // namespace host::testing
