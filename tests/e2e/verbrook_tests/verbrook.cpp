#include "verbrook_tests/verbrook.h"

#include <gtest/gtest.h>

#include "driver/screenshot.h"
#include "driver/text.h"

namespace verbrook {

std::string paragraph_title(std::string_view count) {
  return "Verbrook              Tamberlo提醒您：  本段落共输入了  " + std::string(count) + "  个字。";
}

std::string save_failed_text(std::string_view file_name) {
  return "文件 " + std::string(file_name) + " 无法写入，文档没有保存。\r\n\r\n请换一个文件名或文件夹再试。";
}

std::string cannot_open_text(std::string_view file_name) {
  return "文件 " + std::string(file_name) + " 不存在或无法读取，没有打开。";
}

std::string total_count_text(std::string_view count) {
  return "当前文档不计空格\r\n\r\n总字数为：    " + std::string(count) + "  字。";
}

std::string settings_file(std::initializer_list<std::pair<std::string_view, std::string_view>> items) {
  std::string file = "[配置]\r\n";
  for (const auto& [key, value] : items) file += std::string(key) + "=" + std::string(value) + "\r\n";
  return file;
}

std::optional<std::string> setting(const e2e::Folder& folder, std::string_view key) {
  const std::optional<std::string> file = folder.read_file(kSettingsFile);
  if (!file) return std::nullopt;
  const std::size_t section = file->find("[配置]\r\n");
  if (section == std::string::npos) return std::nullopt;
  const std::string line_start = "\r\n" + std::string(key) + "=";
  const std::size_t found = file->find(line_start, section);
  if (found == std::string::npos) return std::nullopt;
  const std::size_t value = found + line_start.size();
  return file->substr(value, file->find("\r\n", value) - value);
}

bool is_startup_window(const e2e::Window& window) {
  const SIZE size = window.size();
  return size.cx == kStartupWindowSize.cx && size.cy == kStartupWindowSize.cy;
}

POINT centred_position(SIZE size) {
  return {(GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2, (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2};
}

Writing start_writing(const e2e::Folder& folder) { return start_writing(start(folder)); }

Writing start_writing(e2e::App app) {
  const e2e::Window main = app.main_window();
  main.wait_title(kMainTitle);
  const e2e::Window edit = app.edit_box();
  app.wait_focus(edit);
  return Writing{std::move(app), main, edit};
}

void answer(const e2e::App& app, const Box& box, int button, std::chrono::milliseconds patience) {
  const e2e::MessageBoxWindow shown = app.wait_message_box(box.caption, patience);
  EXPECT_EQ(e2e::readable_gbk(shown.text()), e2e::readable_gbk(box.text)) << "in the box " << e2e::readable_gbk(box.caption);
  const std::vector<int> expected_buttons =
      box.buttons == Buttons::Ok ? std::vector<int>{IDOK} : std::vector<int>{IDYES, IDNO};
  EXPECT_EQ(shown.button_ids(), expected_buttons) << "in the box " << e2e::readable_gbk(box.caption);
  shown.press(button);
  shown.wait_gone();
}

void choose_file(const e2e::App& app, std::string_view name) {
  const e2e::FileDialog dialog = app.wait_file_dialog();
  dialog.enter_file_name(name);
  dialog.ok();
  dialog.wait_gone();
}

void choose_file_to_replace(const e2e::App& app, std::string_view name) {
  const e2e::FileDialog dialog = app.wait_file_dialog();
  dialog.enter_file_name(name);
  dialog.ok();
  answer_yes_to_replacing(app, dialog);
  dialog.wait_gone();
}

void answer_yes_to_replacing(const e2e::App& app, const e2e::FileDialog& dialog) {
  // The system's own question, owned by the dialog (its wording is the system's).
  const e2e::MessageBoxWindow question(app.wait_window("the question whether to replace the file", [&](const e2e::Window& window) {
    const auto owner = window.owner();
    return e2e::MessageBoxWindow::matches(window) && owner && owner->handle() == dialog.window().handle();
  }));
  question.press(IDYES);
}

void cancel_file_dialog(const e2e::App& app) {
  const e2e::FileDialog dialog = app.wait_file_dialog();
  dialog.cancel();
  dialog.wait_gone();
}

void save_as(const Writing& writing, std::string_view name) {
  writing.app.press(e2e::ctrl('S'));
  choose_file(writing.app, name);
  answer(writing.app, kSaved, IDOK);
}

void open_file(const Writing& writing, std::string_view name, std::string_view content) {
  writing.app.press(e2e::ctrl('D'));
  choose_file(writing.app, name);
  writing.edit.wait_text(content);
}

void expect_save_failed(const e2e::App& app, std::string_view file_name) {
  const std::string text = save_failed_text(file_name);
  answer(app, {kSaveFailedCaption, text, Buttons::Ok}, IDOK);
}

void expect_cannot_open(const e2e::App& app, std::string_view file_name) {
  const std::string text = cannot_open_text(file_name);
  answer(app, {kCannotOpenCaption, text, Buttons::Ok}, IDOK);
}

void wait_document_length(const Writing& writing, std::size_t length, std::chrono::milliseconds patience) {
  e2e::poll(
      "the edit box holding " + std::to_string(length) + " characters", writing.app.process_id(),
      [&] {
        DWORD_PTR shown = 0;
        return SendMessageTimeoutW(writing.edit.handle(), WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 1000, &shown) &&
               shown == length;
      },
      patience);
}

void type_and_wait(const Writing& writing, std::string_view text, std::string_view expected) {
  writing.app.type(text);
  writing.edit.wait_text(expected);
}

std::pair<int, int> selection_of(const e2e::Window& edit) {
  const auto packed = static_cast<DWORD>(edit.send(EM_GETSEL));
  return {LOWORD(packed), HIWORD(packed)};
}

void close_and_confirm(const Writing& writing) {
  writing.app.press(e2e::alt(VK_F4));
  answer(writing.app, kExitQuestion, IDYES);
  EXPECT_EQ(writing.app.wait_exit(), 0);
}

COLORREF background_colour(const e2e::Window& edit) {
  const RECT client = edit.client_rect();
  POINT point{client.right - 8, client.bottom - 8};
  ClientToScreen(edit.handle(), &point);
  return e2e::ScreenPicture::take(RECT{point.x, point.y, point.x + 1, point.y + 1}).pixel(0, 0);
}

void wait_background(const Writing& writing, COLORREF colour) {
  e2e::poll("the edit box's background in colour " + std::to_string(colour), writing.app.process_id(),
            [&] { return background_colour(writing.edit) == colour; });
}

e2e::Window wait_palette(const e2e::App& app) {
  return app.wait_window("the colour palette", [](const e2e::Window& window) {
    return window.visible() && window.class_name() == L"VerbrookColourPalette";
  });
}

void wait_palette_closed(const e2e::App& app, const e2e::Window& palette) {
  e2e::poll("the colour palette to close", app.process_id(), [&] { return !palette.visible(); });
}

int line_pitch(const e2e::Window& edit) {
  const auto first = static_cast<DWORD>(edit.send(EM_POSFROMCHAR, 0));
  const auto second = static_cast<DWORD>(edit.send(EM_POSFROMCHAR, 3));  // "国\r\n国"
  return static_cast<short>(HIWORD(second)) - static_cast<short>(HIWORD(first));
}

void refocus(const Writing& writing) {
  writing.app.press(e2e::ctrl('Z'));
  answer(writing.app, kAuthorNotice, IDOK);
  writing.app.wait_focus(writing.edit);
}

void expect_total(const e2e::App& app, std::string_view count, std::chrono::milliseconds patience) {
  app.press(e2e::ctrl('Q'));
  const std::string text = total_count_text(count);
  answer(app, Box{kTotalCountCaption, text, Buttons::Ok}, IDOK, patience);
}

void expect_no_question(const e2e::App& app) {
  app.press(e2e::ctrl('Q'));
  const e2e::MessageBoxWindow count = app.wait_message_box(kTotalCountCaption);
  int open_dialogs = 0;
  for (const e2e::Window& window : app.windows())
    if (window.visible() && e2e::is_dialog(window)) ++open_dialogs;
  EXPECT_EQ(open_dialogs, 1) << "a box was open beside the total count";
  count.press(IDOK);
  count.wait_gone();
}

}  // namespace verbrook
