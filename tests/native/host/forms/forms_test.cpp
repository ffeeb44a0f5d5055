#include "host/forms/forms.h"

#include <gtest/gtest.h>

#include <map>

#include "host/forms/bindings.h"

namespace host {
namespace {

const UnitDefinition& control_of(const FormDefinition& form, UnitId id) {
  for (const UnitDefinition& control : form.controls)
    if (control.id == id) return control;
  throw std::out_of_range("no such control");
}

TEST(Forms, ProgramFormsAreFoundById) {
  EXPECT_EQ(find_form(program_forms(), form::kMain), &main_form());
  EXPECT_EQ(find_form(program_forms(), form::kStartup), &startup_form());
  EXPECT_EQ(find_form(program_forms(), 0x52010004), nullptr);
}

TEST(Forms, StartupWindowIsFixedCentredOffTheTaskbarWithItsTimer) {
  const FormDefinition& form = startup_form();
  EXPECT_EQ(form.window.id, unit::kStartupWindow);
  EXPECT_EQ(form.window.type(), unit_type::kWindow);
  EXPECT_TRUE(form.window.visible);
  const Geometry& g = form.window.geometry;
  EXPECT_EQ((std::array{g.left, g.top, g.width, g.height}), (std::array{50, 50, 495, 354}));
  const auto& data = std::get<WindowData>(form.window.data);
  EXPECT_EQ(data.border, 2);
  EXPECT_TRUE(data.control_box);
  EXPECT_FALSE(data.max_button);
  EXPECT_FALSE(data.min_button);
  EXPECT_EQ(data.start_position, 1);
  EXPECT_TRUE(data.esc_closes);
  EXPECT_TRUE(data.free_move);
  EXPECT_FALSE(data.show_in_taskbar);
  EXPECT_FALSE(data.always_on_top);
  EXPECT_TRUE(form.menu.empty());

  ASSERT_EQ(form.controls.size(), 1u);
  const UnitDefinition& timer = form.controls[0];
  EXPECT_EQ(timer.id, unit::kSplashTimer);
  EXPECT_EQ(timer.type(), unit_type::kTimer);
  EXPECT_EQ(timer.name, "\xca\xb1\xd6\xd3\x31");  // 时钟1
  EXPECT_EQ(std::get<TimerData>(timer.data).interval, 50);
}

TEST(Forms, MainWindowIsResizableHiddenAndCentred) {
  const FormDefinition& form = main_form();
  EXPECT_EQ(form.window.id, unit::kMainWindow);
  EXPECT_FALSE(form.window.visible);
  const Geometry& g = form.window.geometry;
  EXPECT_EQ((std::array{g.left, g.top, g.width, g.height}), (std::array{0, 0, 560, 620}));
  const auto& data = std::get<WindowData>(form.window.data);
  EXPECT_EQ(data.border, 1);
  EXPECT_TRUE(data.max_button && data.min_button && data.control_box && data.movable);
  EXPECT_FALSE(data.esc_closes || data.free_move || data.show_in_taskbar || data.always_on_top);
  EXPECT_EQ(data.back_color, kDefaultColour);
  EXPECT_TRUE(data.caption.empty());
}

TEST(Forms, MainWindowControlsInCreationOrder) {
  const FormDefinition& form = main_form();
  ASSERT_EQ(form.controls.size(), 3u);
  EXPECT_EQ(form.controls[0].id, unit::kColorPicker);
  EXPECT_EQ(form.controls[1].id, unit::kCommonDialog);
  EXPECT_EQ(form.controls[2].id, unit::kEditBox);
  EXPECT_EQ(form.controls[0].type(), unit_type::kColorPicker);
  EXPECT_EQ(form.controls[1].type(), unit_type::kCommonDlg);
  EXPECT_EQ(form.controls[2].type(), unit_type::kEditBox);
  EXPECT_FALSE(form.controls[0].visible);
  EXPECT_FALSE(form.controls[1].visible);
  EXPECT_TRUE(form.controls[2].visible);
  EXPECT_EQ(form.controls[2].name, "\xb1\xe0\xbc\xad\xbf\xf2\x31");  // 编辑框1
}

TEST(Forms, EditBoxStartsBlueOnPinkIn18PointSongTi) {
  const UnitDefinition& edit_box = control_of(main_form(), unit::kEditBox);
  const Geometry& g = edit_box.geometry;
  EXPECT_EQ((std::array{g.left, g.top, g.width, g.height}), (std::array{-1, 0, 550, 560}));
  const auto& data = std::get<EditBoxData>(edit_box.data);
  EXPECT_EQ(data.text_color, 0x00FF0000);
  EXPECT_EQ(data.back_color, 0x00C080FF);
  EXPECT_EQ(data.font.height, -24);
  EXPECT_EQ(data.font.weight, 400);
  EXPECT_EQ(data.font.face, "\xcb\xce\xcc\xe5");  // 宋体
  EXPECT_TRUE(data.multi_line);
  EXPECT_EQ(data.scroll_bars, 2);
  EXPECT_EQ(data.max_length, 0);
  EXPECT_EQ(data.password_char, "&");
  EXPECT_TRUE(data.content.empty());
}

TEST(Forms, CommonDialogOffersTextFiles) {
  const auto& data = std::get<CommonDlgData>(control_of(main_form(), unit::kCommonDialog).data);
  EXPECT_EQ(data.dialog_kind, prop::dialog::kKindOpen);
  EXPECT_EQ(data.filter, "*.txt");
  EXPECT_EQ(data.default_extension, "*.txt");
  EXPECT_TRUE(data.file_must_exist && data.overwrite_prompt && data.path_must_exist);
  EXPECT_FALSE(data.create_prompt || data.no_change_dir);
}

struct MenuRow {
  UnitId id;
  int level;
  const char* caption;
  int shortcut;
  std::optional<HandlerId> handler;
};

TEST(Forms, MainMenuHasItsTwentyNineEntriesInOrder) {
  using enum HandlerId;
  const MenuRow expected[] = {
      {0x26010007, 0, "文件操作", 0, {}},
      {0x26010009, 1, "新建文档(A)", 1, NewDocument},
      {0x2601000F, 1, "-", 0, {}},
      {0x2601000B, 1, "保存文档(S)", 19, SaveDocument},
      {0x2601000E, 1, "-", 0, {}},
      {0x2601000A, 1, "打开文档(D)", 4, OpenDocument},
      {0x2601000C, 1, "添加文档(F)", 6, AppendDocument},
      {0x26010010, 0, "编辑菜单", 0, {}},
      {0x26010011, 1, "剪切字符(X)", 24, Cut},
      {0x26010012, 1, "-", 0, {}},
      {0x26010013, 1, "复制字符(C)", 3, Copy},
      {0x26010014, 1, "粘贴字符(V)", 22, Paste},
      {0x26010015, 1, "-", 0, {}},
      {0x26010016, 1, "清空字符(Del)", 76, ClearAll},
      {0x26010017, 0, "功能设置", 0, {}},
      {0x260104BE, 1, "壹键隐藏(Esc) 特殊说明 *必看*", 0, HideNotice},
      {0x26010018, 1, "字数总计(Q)", 17, TotalCount},
      {0x26010020, 1, "日期时间(W)", 23, InsertDateTime},
      {0x2601006B, 1, "-", 0, {}},
      {0x26010054, 1, "字体颜色(E)", 5, ChooseTextColour},
      {0x2601005E, 1, "背景颜色(R)", 18, ChooseBackColour},
      {0x26010055, 1, "字体大小(T)", 20, ChooseFont},
      {0x2601006C, 1, "-", 0, {}},
      {0x2601006D, 1, "配置还原(P)", 16, RestoreConfiguration},
      {0x26010019, 0, "版权帮助", 0, {}},
      {0x260103FF, 1, "版本更新(I)", 9, OpenWebPage},
      {0x26010400, 1, "-", 0, {}},
      {0x2601001A, 1, "作者版权(Z)", 26, AuthorNotice},
      {0x2601001B, 1, "关于帮助(O)", 15, ShortcutHelp},
  };
  const auto menu = main_form().menu;
  ASSERT_EQ(menu.size(), std::size(expected));
  for (std::size_t i = 0; i < menu.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(menu[i].id, expected[i].id);
    EXPECT_EQ(menu[i].level, expected[i].level);
    EXPECT_EQ(menu[i].caption, expected[i].caption);
    EXPECT_EQ(menu[i].shortcut, expected[i].shortcut);
    EXPECT_EQ(menu[i].clicked, expected[i].handler);
    EXPECT_FALSE(menu[i].hidden || menu[i].disabled);
    // Headers carry the stored checked flag; items are unchecked.
    EXPECT_EQ(menu[i].checked, menu[i].level == 0);
  }
  // The captions are GBK, as the program shows them.
  EXPECT_EQ(menu[0].caption, "\xce\xc4\xbc\xfe\xb2\xd9\xd7\xf7");
  EXPECT_EQ(menu[1].caption, "\xd0\xc2\xbd\xa8\xce\xc4\xb5\xb5\x28\x41\x29");
}

TEST(Forms, EveryHandlerSlotIsBoundExactlyOnce) {
  std::map<HandlerId, int> bindings;
  for (const FormDefinition* form : program_forms()) {
    for (const EventBinding& binding : form->window.events) ++bindings[binding.handler];
    for (const UnitDefinition& control : form->controls)
      for (const EventBinding& binding : control.events) ++bindings[binding.handler];
    for (const MenuItemDefinition& item : form->menu)
      if (item.clicked) ++bindings[*item.clicked];
  }
  for (std::size_t slot = 0; slot < kHandlerCount; ++slot)
    EXPECT_EQ(bindings[static_cast<HandlerId>(slot)], 1) << "slot " << slot;
}

TEST(Bindings, EventsFindTheirSlots) {
  const FormDefinition& main = main_form();
  EXPECT_EQ(bound_handler(main, unit::kMainWindow, event::kSizeChanged), HandlerId::MainSizeChanged);
  EXPECT_EQ(bound_handler(main, unit::kMainWindow, event::kQueryClose), HandlerId::MainQueryClose);
  EXPECT_EQ(bound_handler(main, unit::kMainWindow, event::kKeyDown), HandlerId::MainKeyDown);
  EXPECT_EQ(bound_handler(main, unit::kEditBox, event::kKeyDown), HandlerId::EditKeyDown);
  EXPECT_EQ(bound_handler(main, unit::kEditBox, event::kGotFocus), HandlerId::EditGotFocus);
  EXPECT_EQ(bound_handler(main, unit::kColorPicker, event::kColourChanged), HandlerId::ColourChanged);
  EXPECT_EQ(bound_handler(main, 0x26010016, event::kClicked), HandlerId::ClearAll);
  EXPECT_EQ(bound_handler(startup_form(), unit::kSplashTimer, event::kTick), HandlerId::SplashTick);
  EXPECT_EQ(bound_handler(startup_form(), unit::kStartupWindow, event::kCreated), HandlerId::StartupCreated);
}

TEST(Bindings, UnboundEventsRunNothing) {
  const FormDefinition& main = main_form();
  EXPECT_EQ(bound_handler(main, unit::kEditBox, event::kContentChanged), std::nullopt);
  EXPECT_EQ(bound_handler(main, unit::kMainWindow, event::kCreated), std::nullopt);
  EXPECT_EQ(bound_handler(main, 0x26010007, event::kClicked), std::nullopt);  // a header
  EXPECT_EQ(bound_handler(main, 0x2601000F, event::kClicked), std::nullopt);  // a separator
  EXPECT_EQ(bound_handler(main, unit::kSplashTimer, event::kTick), std::nullopt);  // another form's unit
}

TEST(Bindings, AnEmptySlotThatAFormBindsIsFound) {
  HandlerTable handlers;
  for (Handler& handler : handlers) handler = [](std::span<const std::int32_t>) { return HandlerResult{}; };
  EXPECT_EQ(first_unfilled_slot(program_forms(), handlers), std::nullopt);
  handlers[static_cast<std::size_t>(HandlerId::Paste)] = nullptr;
  EXPECT_EQ(first_unfilled_slot(program_forms(), handlers), HandlerId::Paste);
  // A slot no form binds may stay empty.
  const FormDefinition* startup_only[] = {&startup_form()};
  EXPECT_EQ(first_unfilled_slot(startup_only, handlers), std::nullopt);
}

}  // namespace
}  // namespace host
