// What the scenarios know of Verbrook as a writer sees it: its windows, the
// titles and message boxes it shows (GBK, exactly as shown), its settings
// file, and the few steps every scenario takes.
#pragma once

#include <chrono>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/app.h"
#include "driver/paths.h"

namespace verbrook {

// The startup window, which plays the splash.
inline constexpr SIZE kStartupWindowSize{495, 354};
inline constexpr SIZE kMainWindowSize{560, 620};

// --- titles --------------------------------------------------------------
inline constexpr std::string_view kMainTitle = "Verbrook    --  Tamberlo出品 www.tamberlo.com  ";
inline constexpr std::string_view kClearedTitle = "Verbrook                   已清空所有统计数据!!!";
// The title after Enter, announcing the paragraph's count ("2", "1.5").
std::string paragraph_title(std::string_view count);

// --- message boxes -------------------------------------------------------
enum class Buttons { Ok, YesNo };

struct Box {
  std::string_view caption;
  std::string_view text;
  Buttons buttons;
};

inline constexpr Box kSaveQuestion{
    "提示：", "程序检测到 您的文档\r\n\r\n已发生更改 尚未保存\r\n\r\n是否对当前文档进行保存？", Buttons::YesNo};
inline constexpr Box kNotSaved{"提醒：", "注意文档未保存&&", Buttons::Ok};
inline constexpr Box kSaved{"恭喜：", "保存成功！！！", Buttons::Ok};
inline constexpr Box kExitQuestion{
    "退出确认：", "亲爱的朋友！ 当前已没有您需要保存的文档\r\n\r\n请问您是否真的确定退出本程序", Buttons::YesNo};
inline constexpr Box kWelcomeBack{"欢迎回来：", "亲 欢迎你再来奋斗 ￥o￥\r\n\r\n身体是革命的本钱 请注意休息！",
                                  Buttons::Ok};
inline constexpr Box kOpenWarning{"温馨提示：",
                                  "作者很耐心地提醒您：\r\n\r\n 即将打开的新文件会覆盖掉当前文档 @o@\r\n\r\n"
                                  "如果希望当前文档与新文件共存,请使用{添加文档 Ctrl+F}选项\r\n\r\n"
                                  "否则请选择{是}继续打开新文档。",
                                  Buttons::YesNo};
inline constexpr Box kAuthorNotice{
    "作者版权声明：", "作者：Tamberlo\r\n\r\n版权所有：Tamberlo 保留一切权利\r\n\r\n官方网站：https://www.tamberlo.com/",
    Buttons::Ok};
inline constexpr std::string_view kSaveFailedCaption = "保存失败：";
// The message box of a save that could not be written, naming the file.
std::string save_failed_text(std::string_view file_name);
inline constexpr std::string_view kCannotOpenCaption = "打开失败：";
// The message box of a file named from outside (the command line, a drop)
// that is missing or cannot be read, naming it.
std::string cannot_open_text(std::string_view file_name);
// The total count's box has no caption of its own: the default one shows.
inline constexpr std::string_view kTotalCountCaption = "信息：";
std::string total_count_text(std::string_view count);

// --- the settings file ---------------------------------------------------
inline constexpr std::string_view kSettingsFile = "zelvorin.ini";
// The settings file as the program writes it: section 配置, "key=value" lines
// in the order given.
std::string settings_file(std::initializer_list<std::pair<std::string_view, std::string_view>> items);

// One value of the settings file in the folder (section 配置), or nothing.
std::optional<std::string> setting(const e2e::Folder& folder, std::string_view key);

// Factory colours as the edit box shows them.
inline constexpr COLORREF kFactoryTextColour = 0xFF0000;  // blue
inline constexpr COLORREF kFactoryBackColour = 0xC080FF;  // pink

// --- what every scenario does ----------------------------------------------
inline e2e::App start(const e2e::Folder& folder) { return e2e::App::start(e2e::verbrook_program(), folder); }

bool is_startup_window(const e2e::Window& window);
// Where a window of this size is put when it is centred on the screen.
POINT centred_position(SIZE size);

// Verbrook started in its folder, past the splash: the main window with its
// title and the edit box holding the focus.
struct Writing {
  e2e::App app;
  e2e::Window main;
  e2e::Window edit;
};
Writing start_writing(const e2e::Folder& folder);
// The same for a program already started (from a folder of another kind).
Writing start_writing(e2e::App app);

// Waits for the message box, checks its text and buttons, and answers it
// with `button` (IDOK, IDYES, IDNO); returns once it is gone.
void answer(const e2e::App& app, const Box& box, int button, std::chrono::milliseconds patience = e2e::kPatience);

// Answers the open or save dialog the program shows with a file name
// (relative to the program's folder, where the dialog starts, or a full
// path), or cancels it; returns once the dialog is gone.
void choose_file(const e2e::App& app, std::string_view name);
void cancel_file_dialog(const e2e::App& app);
// The same for a file that exists already: the save dialog asks whether to
// replace it, and the answer is Yes.
void choose_file_to_replace(const e2e::App& app, std::string_view name);
// Waits for that question of the dialog and presses Yes, without waiting for
// anything after: the save begins as the dialog closes.
void answer_yes_to_replacing(const e2e::App& app, const e2e::FileDialog& dialog);

// Saves under a name that is not taken yet and confirms the success message.
void save_as(const Writing& writing, std::string_view name);
// Opens the file with Ctrl+D into an empty document and waits until the edit
// box shows `content`.
void open_file(const Writing& writing, std::string_view name, std::string_view content);
// Answers the message box of a save that could not be written, which names
// the file (its full path).
void expect_save_failed(const e2e::App& app, std::string_view file_name);
// The same for a file named from outside that could not be opened.
void expect_cannot_open(const e2e::App& app, std::string_view file_name);

// Waits until the edit box holds `length` UTF-16 characters, for documents
// of megabytes that Wine's edit box takes seconds or minutes to take in (the
// program answers only once it is back in its message loop).
void wait_document_length(const Writing& writing, std::size_t length, std::chrono::milliseconds patience);

// Types the text and waits until the edit box shows `expected` (the whole
// content, line breaks as CR LF).
void type_and_wait(const Writing& writing, std::string_view text, std::string_view expected);

// The edit box's selection, start and end in characters.
std::pair<int, int> selection_of(const e2e::Window& edit);

// Closes the main window with Alt+F4 and confirms the exit when no save is
// asked for; the program must end with exit code 0.
void close_and_confirm(const Writing& writing);

// The colour of the edit box's background as the screen shows it, near its
// bottom right corner, away from the text and the caret (the window is
// opaque); and a wait for it to show a colour.
COLORREF background_colour(const e2e::Window& edit);
void wait_background(const Writing& writing, COLORREF colour);

// The colour palette that Ctrl+E and Ctrl+R open, once it shows; and a wait
// for it to close (it is hidden, not destroyed, to open again at once).
e2e::Window wait_palette(const e2e::App& app);
void wait_palette_closed(const e2e::App& app, const e2e::Window& palette);

// Lines are as far apart as the font is tall: the distance in pixels between
// the first characters of the first and second line of an edit box holding
// "国\r\n国" (so the font size is seen on screen).
int line_pitch(const e2e::Window& edit);

// Takes the focus away from the edit box and gives it back, as closing a
// message box does (the author notice, Ctrl+Z): the settings are read again.
void refocus(const Writing& writing);

// Presses Ctrl+Q, checks that the total count's box shows `count`, and closes
// it. The box shows only once the program has taken every key typed before.
void expect_total(const e2e::App& app, std::string_view count,
                  std::chrono::milliseconds patience = e2e::kPatience);

// Checks that the program asked nothing of the writer: a key pressed next
// (Ctrl+Q, the total count) still reaches the main window, and its box is the
// only one.
void expect_no_question(const e2e::App& app);

}  // namespace verbrook
