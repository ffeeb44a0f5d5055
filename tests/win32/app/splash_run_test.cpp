// The program's start-up as it really runs: the real host, application and
// skin layer, with the skin layer wrapped so that every call the application
// makes on it is written to a log. Each run is a child process (this test
// program started again for one run), watched and answered from here, since
// the program ends its process when it ends.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/application.h"
#include "host/win_host_win.h"
#include "skin/skin_layer_win.h"

namespace {

using namespace std::chrono_literals;

constexpr wchar_t kLogVariable[] = L"VERBROOK_SPLASH_LOG";
constexpr int kFrameCount = 28;

std::wstring log_path() {
  wchar_t value[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(kLogVariable, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? value : L"";
}

// One line per call, written at once so that the watching test sees it.
void log_line(const std::string& line) {
  std::ofstream(log_path().c_str(), std::ios::app) << line << '\n';
}

class RecordingSkinWindow final : public skin::SkinWindow {
 public:
  RecordingSkinWindow(std::unique_ptr<skin::SkinWindow> real, std::vector<app::SplashFrame> frames)
      : real_(std::move(real)), frames_(std::move(frames)) {}
  // The program ends its process without unwinding: the application releases
  // the skin window object once the startup window is gone.
  ~RecordingSkinWindow() override { log_line("released"); }

  bool attach(std::uintptr_t window) override {
    log_line("attach");
    return real_->attach(window);
  }

  // Frames are passed in place: the bytes are those of a stored frame, which
  // names the frame. A frame the skin layer refuses is marked.
  bool load_back_image(std::span<const std::uint8_t> image_bytes) override {
    std::string line = "image not stored";
    for (std::size_t i = 0; i < frames_.size(); ++i)
      if (frames_[i].data() == image_bytes.data() && frames_[i].size() == image_bytes.size())
        line = "frame " + std::to_string(i + 1);
    const bool shown = real_->load_back_image(image_bytes);
    log_line(shown ? line : line + " refused");
    return shown;
  }

 private:
  std::unique_ptr<skin::SkinWindow> real_;
  std::vector<app::SplashFrame> frames_;
};

class RecordingSkin final : public skin::SkinApi {
 public:
  explicit RecordingSkin(std::vector<app::SplashFrame> frames) : frames_(std::move(frames)) {}
  void startup() override {
    log_line("startup");
    real_.startup();
  }
  void decode_ahead(std::vector<std::span<const std::uint8_t>> images) override {
    real_.decode_ahead(std::move(images));
  }
  // GDI+ and its codecs are given back to the system.
  void shutdown() override {
    real_.shutdown();
    log_line(GetModuleHandleW(L"gdiplus.dll") ? "shutdown, GDI+ still loaded" : "shutdown");
  }
  std::unique_ptr<skin::SkinWindow> create_window() override {
    log_line("window");
    return std::make_unique<RecordingSkinWindow>(real_.create_window(), frames_);
  }

 private:
  skin::SkinLayer real_;
  std::vector<app::SplashFrame> frames_;
};

// The program's own start, as its entry point runs it.
TEST(DISABLED_ChildRun, Program) {
  host::WinHost host;
  RecordingSkin skin(app::embedded_splash_frames());
  app::Application application(host, skin, app::embedded_splash_frames());
  host.end_program(application.entry());
}

std::vector<std::string> log_lines(const std::wstring& path) {
  std::ifstream file(path.c_str());
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> frames_in_order(int count) {
  std::vector<std::string> lines;
  for (int frame = 1; frame <= count; ++frame) lines.push_back("frame " + std::to_string(frame));
  return lines;
}

struct Found {
  DWORD process;
  std::function<bool(HWND)> matches;
  HWND window = nullptr;
};

BOOL CALLBACK find_in(HWND window, LPARAM search) {
  auto& found = *reinterpret_cast<Found*>(search);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != found.process || !IsWindowVisible(window) || !found.matches(window)) return TRUE;
  found.window = window;
  return FALSE;
}

// A visible top-level window of the process that matches.
HWND find_window(DWORD process, std::function<bool(HWND)> matches) {
  Found found{process, std::move(matches)};
  EnumWindows(find_in, reinterpret_cast<LPARAM>(&found));
  return found.window;
}

bool has_class(HWND window, const wchar_t* name) {
  wchar_t class_name[64] = {};
  GetClassNameW(window, class_name, 64);
  return lstrcmpiW(class_name, name) == 0;
}

// The program started in a child process with its log; killed if it outlives the test.
class ChildProgram {
 public:
  ChildProgram() {
    wchar_t temp_folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp_folder);
    log_ = std::wstring(temp_folder) + L"verbrook-splash-" + std::to_wstring(GetCurrentProcessId()) + L".log";
    DeleteFileW(log_.c_str());
    wchar_t program[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, program, MAX_PATH);
    std::wstring command_line =
        L"\"" + std::wstring(program) + L"\" --gtest_filter=DISABLED_ChildRun.Program --gtest_also_run_disabled_tests";
    SetEnvironmentVariableW(kLogVariable, log_.c_str());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    if (CreateProcessW(program, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child)) {
      CloseHandle(child.hThread);
      process_ = child.hProcess;
      process_id_ = child.dwProcessId;
    }
    SetEnvironmentVariableW(kLogVariable, nullptr);
  }
  ~ChildProgram() {
    if (process_) {
      TerminateProcess(process_, 99);
      WaitForSingleObject(process_, 5000);
      CloseHandle(process_);
    }
    DeleteFileW(log_.c_str());
  }
  ChildProgram(const ChildProgram&) = delete;
  ChildProgram& operator=(const ChildProgram&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return process_id_; }
  std::vector<std::string> log() const { return log_lines(log_); }

  // Polls for a window that matches until the program ends or a deadline passes.
  HWND wait_window(const std::function<bool(HWND)>& matches) const {
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    for (;;) {
      if (HWND window = find_window(process_id_, matches)) return window;
      if (std::chrono::steady_clock::now() >= deadline || WaitForSingleObject(process_, 10) == WAIT_OBJECT_0)
        return nullptr;
    }
  }
  bool wait_log(const std::function<bool(const std::vector<std::string>&)>& condition) const {
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (!condition(log())) {
      if (std::chrono::steady_clock::now() >= deadline || WaitForSingleObject(process_, 10) == WAIT_OBJECT_0)
        return condition(log());
    }
    return true;
  }
  // The exit code once the program has ended by itself; 99 when it did not.
  DWORD wait_exit() const {
    DWORD code = 99;
    if (WaitForSingleObject(process_, 20000) == WAIT_OBJECT_0) GetExitCodeProcess(process_, &code);
    return code;
  }

 private:
  std::wstring log_;
  HANDLE process_ = nullptr;
  DWORD process_id_ = 0;
};

std::vector<std::string> joined(std::vector<std::string> first, const std::vector<std::string>& then) {
  first.insert(first.end(), then.begin(), then.end());
  return first;
}

TEST(SplashRun, Shows28FramesInStoredOrderThenTheMainWindowAndRunsTheExitHookOnce) {
  const ChildProgram program;
  ASSERT_TRUE(program.started());
  const HWND main = program.wait_window([](HWND window) { return GetMenu(window) != nullptr; });
  ASSERT_NE(main, nullptr);
  // The 29th tick brings the main window and shows no frame; the skin layer
  // goes with the startup window.
  const std::vector<std::string> splash =
      joined(joined({"window", "startup", "attach"}, frames_in_order(kFrameCount)), {"released", "shutdown"});
  ASSERT_TRUE(program.wait_log([&splash](const std::vector<std::string>& lines) { return lines.size() >= splash.size(); }));
  EXPECT_EQ(program.log(), splash);

  PostMessageW(main, WM_CLOSE, 0, 0);
  const HWND box = program.wait_window([](HWND window) { return has_class(window, L"#32770"); });
  ASSERT_NE(box, nullptr);
  PostMessageW(box, WM_COMMAND, IDYES, 0);
  EXPECT_EQ(program.wait_exit(), 0u);
  EXPECT_EQ(program.log(), splash);
}

TEST(SplashRun, EscDuringTheSplashEndsTheProgramWithZeroAndRunsTheExitHookOnce) {
  const ChildProgram program;
  ASSERT_TRUE(program.started());
  ASSERT_TRUE(program.wait_log([](const std::vector<std::string>& lines) {
    return std::find(lines.begin(), lines.end(), "frame 3") != lines.end();
  }));
  const HWND startup = program.wait_window([](HWND window) { return GetMenu(window) == nullptr; });
  ASSERT_NE(startup, nullptr);
  PostMessageW(startup, WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(program.wait_exit(), 0u);

  const std::vector<std::string> lines = program.log();
  ASSERT_GE(lines.size(), 5u);
  const int frames_shown = static_cast<int>(lines.size()) - 5;
  // Fewer than 28 frames: the main window, which comes after the last, never did.
  EXPECT_LT(frames_shown, kFrameCount);
  EXPECT_EQ(lines, joined(joined({"window", "startup", "attach"}, frames_in_order(frames_shown)), {"released", "shutdown"}));
}

}  // namespace
