// How the program ends: the fatal run-time errors with their box and exit
// code -1, and the normal end with the exit procedure run once. Each case
// runs in a child process (this test program started again for one
// scenario), watched from here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

#include "host/services/encoding_win.h"
#include "host_test_support.h"

namespace host::testing {
namespace {

namespace tf = test_forms;

constexpr wchar_t kScenarioVariable[] = L"VERBROOK_HOST_SCENARIO";
constexpr wchar_t kMarkerVariable[] = L"VERBROOK_HOST_MARKER";

std::wstring environment(const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? value : L"";
}

BOOL CALLBACK note_form_window(HWND window, LPARAM found) {
  wchar_t name[32] = {};
  GetClassNameW(window, name, 32);
  if (std::wstring(name) == L"VerbrookForm") *reinterpret_cast<bool*>(found) = true;
  return TRUE;
}

// The exit procedure of every scenario: one 'x' per run, or a 'w' when a
// window of a form was still there (the host destroys them first).
void mark_exit_procedure_ran() {
  bool form_window = false;
  EnumThreadWindows(GetCurrentThreadId(), note_form_window, reinterpret_cast<LPARAM>(&form_window));
  std::ofstream(environment(kMarkerVariable).c_str(), std::ios::app) << (form_window ? 'w' : 'x');
}

HandlerTable idle_handlers() {
  HandlerTable handlers;
  for (Handler& handler : handlers) handler = [](std::span<const std::int32_t>) { return HandlerResult{}; };
  return handlers;
}

// The scenarios a child process runs; each ends the process.
const std::map<std::wstring, std::function<void()>>& scenarios() {
  static const std::map<std::wstring, std::function<void()>> all = {
      {L"unfilled_slot",
       [] {
         WinHost host;
         host.register_exit_procedure(mark_exit_procedure_ran);
         HandlerTable handlers = idle_handlers();
         handlers[static_cast<std::size_t>(HandlerId::Paste)] = nullptr;
         host.start_runtime(std::move(handlers));
       }},
      {L"start_window",
       [] {
         WinHost host;
         host.start_runtime(idle_handlers());
         host.register_exit_procedure(mark_exit_procedure_ran);
         host.load_start_window(0x52010999);
       }},
      {L"form_not_loaded",
       [] {
         WinHost host;
         host.start_runtime(idle_handlers());
         host.register_exit_procedure(mark_exit_procedure_ran);
         host.read_property(form::kMain, unit::kMainWindow, prop::kWidth);
       }},
      {L"window_gone",
       [] {
         WinHost host;
         host.start_runtime(idle_handlers());
         host.register_exit_procedure(mark_exit_procedure_ran);
         host.load_window(units::kMainWindow, std::nullopt, false);
         host.destroy_unit(units::kColorPicker);
         host.write_property(form::kMain, unit::kColorPicker, prop::picker::kColour, -1, std::int32_t{0xFF});
       }},
      {L"unit_service",
       [] {
         WinHost host;
         host.start_runtime(idle_handlers());
         host.register_exit_procedure(mark_exit_procedure_ran);
         host.window_handle(units::kEditBox);
       }},
      {L"end_from_handler",
       [] {
         WinHost host{tf::all()};
         HandlerTable handlers = idle_handlers();
         handlers[static_cast<std::size_t>(tf::kCreated)] = [&host](std::span<const std::int32_t>) -> HandlerResult {
           host.end_program(3);
         };
         host.start_runtime(std::move(handlers));
         host.register_exit_procedure(mark_exit_procedure_ran);
         host.load_window(tf::kEditWindowRef, std::nullopt, false);
       }},
      {L"esc_in_startup_window",
       [] {
         // The program's start-up order, with Esc pressed in the startup window.
         WinHost host;
         host.start_runtime(idle_handlers());
         host.register_exit_procedure(mark_exit_procedure_ran);
         host.load_start_window(form::kStartup);
         post_key_down(handle_of(host, units::kStartupWindow), VK_ESCAPE);
         host.run_message_loop();
         host.end_program(0);
       }},
  };
  return all;
}

TEST(DISABLED_ChildScenario, Run) {
  const auto scenario = scenarios().find(environment(kScenarioVariable));
  ASSERT_NE(scenario, scenarios().end());
  scenario->second();
  ADD_FAILURE() << "the scenario did not end the process";
}

struct ChildOutcome {
  bool ended = false;
  DWORD exit_code = 0;
  std::wstring box_text;  // the fatal error box, when one showed
  std::string marker;     // what the exit procedure wrote
};

std::wstring text_of_other_process_window(HWND window) {
  wchar_t text[512] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &copied);
  return text;
}

ChildOutcome run_child(const std::wstring& scenario) {
  wchar_t temp_folder[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp_folder);
  const std::wstring marker = std::wstring(temp_folder) + L"verbrook-host-" + scenario + L".marker";
  DeleteFileW(marker.c_str());

  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring command_line = L"\"" + std::wstring(program) +
                              L"\" --gtest_filter=DISABLED_ChildScenario.Run --gtest_also_run_disabled_tests";
  SetEnvironmentVariableW(kScenarioVariable, scenario.c_str());
  SetEnvironmentVariableW(kMarkerVariable, marker.c_str());
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  const BOOL started = CreateProcessW(program, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                      &startup, &child);
  SetEnvironmentVariableW(kScenarioVariable, nullptr);
  SetEnvironmentVariableW(kMarkerVariable, nullptr);
  ChildOutcome outcome;
  if (!started) return outcome;

  // Dismisses the child's message box (if one comes) until it has ended.
  const auto deadline = std::chrono::steady_clock::now() + 30s;
  while (std::chrono::steady_clock::now() < deadline) {
    if (WaitForSingleObject(child.hProcess, 20) == WAIT_OBJECT_0) {
      outcome.ended = true;
      break;
    }
    if (HWND box = find_message_box(child.dwProcessId); box && outcome.box_text.empty()) {
      outcome.box_text = text_of_other_process_window(GetDlgItem(box, 0xFFFF));
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
  }
  if (!outcome.ended) TerminateProcess(child.hProcess, 99);
  GetExitCodeProcess(child.hProcess, &outcome.exit_code);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  std::ifstream marker_file(marker.c_str());
  outcome.marker.assign(std::istreambuf_iterator<char>(marker_file), {});
  marker_file.close();
  DeleteFileW(marker.c_str());
  return outcome;
}

constexpr DWORD kFatalExitCode = static_cast<DWORD>(-1);

TEST(FatalErrors, EachIsReportedInABoxAndEndsWithMinusOne) {
  const std::pair<const wchar_t*, const wchar_t*> cases[] = {
      {L"unfilled_slot", L"运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n"},
      {L"start_window", L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
      {L"form_not_loaded", L"运行时出错!\r\n\r\n错误信息：未载入欲访问窗口组件所在的窗口\r\n"},
      {L"window_gone", L"运行时出错!\r\n\r\n错误信息：指定窗口尚未载入\r\n"},
      {L"unit_service", L"运行时出错!\r\n\r\n错误信息：指定窗口或窗口组件不存在或尚未载入\r\n"},
  };
  for (const auto& [scenario, text] : cases) {
    SCOPED_TRACE(wide_to_gb18030(scenario));
    const ChildOutcome outcome = run_child(scenario);
    ASSERT_TRUE(outcome.ended);
    EXPECT_EQ(outcome.exit_code, kFatalExitCode);
    EXPECT_EQ(outcome.box_text, text);
    EXPECT_EQ(outcome.marker, "");  // no exit procedure after a fatal error
  }
}

// From a handler of a window that is up: the window goes before the exit procedure runs.
TEST(ProgramEnd, EndProgramRunsTheExitProcedureOnceAndExitsWithTheCode) {
  const ChildOutcome outcome = run_child(L"end_from_handler");
  ASSERT_TRUE(outcome.ended);
  EXPECT_EQ(outcome.exit_code, 3u);
  EXPECT_EQ(outcome.marker, "x");
  EXPECT_EQ(outcome.box_text, L"");
}

TEST(ProgramEnd, EscInTheStartupWindowEndsTheProgramWithZero) {
  const ChildOutcome outcome = run_child(L"esc_in_startup_window");
  ASSERT_TRUE(outcome.ended);
  EXPECT_EQ(outcome.exit_code, 0u);
  EXPECT_EQ(outcome.marker, "x");
}

TEST(ProgramEnd, TheProgramShowsItsStartupWindowCentredAndEscEndsItWithZero) {
  wchar_t tests[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, tests, MAX_PATH);
  std::wstring program(tests);
  program = program.substr(0, program.rfind(L'\\') + 1) + L"Verbrook.exe";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child{};
  ASSERT_TRUE(CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &child));
  HWND window = nullptr;
  const auto deadline = std::chrono::steady_clock::now() + 20s;
  while (!window && std::chrono::steady_clock::now() < deadline) {
    window = find_visible_window(child.dwProcessId, L"VerbrookForm");
    if (!window) WaitForSingleObject(child.hProcess, 20);  // polling until the window shows
  }
  bool ended = false;
  if (window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 495) / 2);
    EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 354) / 2);
    EXPECT_EQ(rect.right - rect.left, 495);
    EXPECT_EQ(rect.bottom - rect.top, 354);
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
    ended = WaitForSingleObject(child.hProcess, 20000) == WAIT_OBJECT_0;
  }
  if (!ended) TerminateProcess(child.hProcess, 99);
  DWORD exit_code = 99;
  GetExitCodeProcess(child.hProcess, &exit_code);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(ended);
  EXPECT_EQ(exit_code, 0u);
}

}  // namespace
}  // namespace host::testing
