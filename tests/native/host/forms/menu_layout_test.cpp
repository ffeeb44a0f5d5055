#include "host/forms/menu_layout.h"

#include <gtest/gtest.h>

namespace host {
namespace {

using Kind = MenuNode::Kind;

MenuItemState entry(int level, std::string caption, int shortcut = 0) {
  return {0x26000000, level, std::move(caption), shortcut, false, false, false};
}

TEST(MenuLayout, MainMenuBecomesFourDropDowns) {
  const MenuLayout layout = layout_menu(initial_menu_states(main_form().menu));
  ASSERT_EQ(layout.bar.size(), 4u);
  const char* headers[] = {"文件操作", "编辑菜单", "功能设置", "版权帮助"};
  const std::size_t sizes[] = {6, 6, 9, 4};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(layout.bar[i].kind, Kind::DropDown);
    EXPECT_EQ(layout.bar[i].text, headers[i]);
    EXPECT_EQ(layout.bar[i].children.size(), sizes[i]);
  }
  // Captions with a shortcut show it after a TAB; separators have no text.
  const MenuNode& file = layout.bar[0];
  EXPECT_EQ(file.children[0].text, "新建文档(A)\tCtrl+A");
  EXPECT_EQ(file.children[0].text, "\xd0\xc2\xbd\xa8\xce\xc4\xb5\xb5(A)\tCtrl+A");
  EXPECT_EQ(file.children[0].command, 20001u);
  EXPECT_EQ(file.children[1].kind, Kind::Separator);
  EXPECT_EQ(layout.bar[1].children[5].text, "清空字符(Del)\tDel");
  EXPECT_EQ(layout.bar[1].children[5].command, 20013u);
  EXPECT_EQ(layout.bar[2].children[0].text, "壹键隐藏(Esc) 特殊说明 *必看*");  // no shortcut
  EXPECT_EQ(layout.bar[3].children[3].text, "关于帮助(O)\tCtrl+O");
  EXPECT_EQ(layout.bar[3].children[3].command, 20028u);
}

TEST(MenuLayout, MainMenuAcceleratorsRunTheirItems) {
  const MenuLayout layout = layout_menu(initial_menu_states(main_form().menu));
  ASSERT_EQ(layout.accelerators.size(), 17u);
  EXPECT_EQ(layout.accelerators.front(), (AcceleratorEntry{{'A', true, false}, 20001}));
  const AcceleratorEntry del{{virtual_key::kDelete, false, false}, 20013};
  EXPECT_NE(std::find(layout.accelerators.begin(), layout.accelerators.end(), del), layout.accelerators.end());
  EXPECT_EQ(layout.accelerators.back(), (AcceleratorEntry{{'O', true, false}, 20028}));
}

TEST(MenuLayout, HiddenEntriesKeepTheirCommandNumbers) {
  std::vector<MenuItemState> items = {entry(0, "a"), entry(1, "b", 2), entry(1, "c"), entry(1, "d", 3)};
  items[2].hidden = true;
  const MenuLayout layout = layout_menu(items);
  ASSERT_EQ(layout.bar.size(), 1u);
  const auto& children = layout.bar[0].children;
  ASSERT_EQ(children.size(), 2u);
  EXPECT_EQ(children[0].command, 20001u);
  EXPECT_EQ(children[1].command, 20003u);  // "c" still counts
}

TEST(MenuLayout, AHiddenDropDownTakesItsEntriesAlongButNotTheirShortcuts) {
  std::vector<MenuItemState> items = {entry(0, "a"), entry(1, "b", 2), entry(0, "c"), entry(1, "d")};
  items[0].hidden = true;
  const MenuLayout layout = layout_menu(items);
  ASSERT_EQ(layout.bar.size(), 1u);
  EXPECT_EQ(layout.bar[0].text, "c");
  EXPECT_EQ(layout.bar[0].children[0].command, 20003u);
  // Hidden items are how shortcuts without a visible entry are made.
  ASSERT_EQ(layout.accelerators.size(), 1u);
  EXPECT_EQ(layout.accelerators[0].command, 20001u);
}

TEST(MenuLayout, FlagsBecomeGreyedAndChecked) {
  std::vector<MenuItemState> items = {entry(0, "a"), entry(1, "b"), entry(1, "c")};
  items[0].disabled = true;
  items[1].checked = true;
  items[2].disabled = true;
  const MenuLayout layout = layout_menu(items);
  EXPECT_TRUE(layout.bar[0].greyed);
  EXPECT_TRUE(layout.bar[0].children[0].checked);
  EXPECT_FALSE(layout.bar[0].children[0].greyed);
  EXPECT_TRUE(layout.bar[0].children[1].greyed);
}

TEST(MenuLayout, ATopLevelEntryWithoutChildrenIsAnItem) {
  const MenuLayout layout = layout_menu(std::vector{entry(0, "a", 76), entry(0, "b")});
  ASSERT_EQ(layout.bar.size(), 2u);
  EXPECT_EQ(layout.bar[0].kind, Kind::Item);
  EXPECT_EQ(layout.bar[0].text, "a\tDel");
  EXPECT_EQ(layout.bar[1].command, 20001u);
}

TEST(MenuLayout, NoItemsNoBar) {
  const MenuLayout layout = layout_menu({});
  EXPECT_TRUE(layout.bar.empty());
  EXPECT_TRUE(layout.accelerators.empty());
}

TEST(MenuCommands, NumbersMapToPositions) {
  EXPECT_EQ(menu_position_of_command(20000, 29), 0u);
  EXPECT_EQ(menu_position_of_command(20028, 29), 28u);
  EXPECT_EQ(menu_position_of_command(20029, 29), std::nullopt);
  EXPECT_EQ(menu_position_of_command(19999, 29), std::nullopt);
  EXPECT_EQ(menu_position_of_command(57600, 40000), std::nullopt);  // the system's own commands
  EXPECT_EQ(menu_position_of_command(61536, 50000), std::nullopt);  // SC_CLOSE
}

}  // namespace
}  // namespace host
