// The main window: a resizable window with the menu bar over one multi-line
// edit box, and the hidden colour picker and common dialog the menu commands
// use.
#include "host/forms/form_checks.h"
#include "host/forms/forms.h"

#include <iterator>

namespace host {
namespace {

constexpr EventBinding kWindowEvents[] = {
    {event::kSizeChanged, HandlerId::MainSizeChanged},
    {event::kQueryClose, HandlerId::MainQueryClose},
    {event::kKeyDown, HandlerId::MainKeyDown},
};
constexpr EventBinding kColourPickerEvents[] = {{event::kColourChanged, HandlerId::ColourChanged}};
constexpr EventBinding kEditBoxEvents[] = {
    {event::kKeyDown, HandlerId::EditKeyDown},
    {event::kGotFocus, HandlerId::EditGotFocus},
};

constexpr UnitDefinition kControls[] = {
    {.id = unit::kColorPicker,
     .name = "颜色选择器1",
     .geometry = {328, 200, 72, 64},
     .visible = false,
     .events = kColourPickerEvents,
     .data = ColorPickerData{.colour = kDefaultColour, .flag = false}},
    {.id = unit::kCommonDialog,
     .name = "通用对话框1",
     .geometry = {216, 64, 112, 64},  // placement only: the dialog has no window of its own
     .visible = false,
     .data = CommonDlgData{.dialog_kind = prop::dialog::kKindOpen,
                           .filter_index = 0,
                           .create_prompt = false,
                           .file_must_exist = true,
                           .overwrite_prompt = true,
                           .path_must_exist = true,
                           .no_change_dir = false,
                           .filter = "*.txt",
                           .default_extension = "*.txt"}},
    {.id = unit::kEditBox,
     .name = "编辑框1",
     .geometry = {-1, 0, 550, 560},
     .visible = true,
     .events = kEditBoxEvents,
     .data = EditBoxData{.border = 3,
                         .text_color = 0x00FF0000,
                         .back_color = 0x00C080FF,
                         .hide_selection = true,
                         .max_length = 0,
                         .multi_line = true,
                         .scroll_bars = 2,
                         .alignment = 0,
                         .input_mode = 0,
                         .password_char = "&",
                         .case_conversion = 0,
                         .spinner_mode = 1,
                         .spinner_min = 0,
                         .spinner_max = 100,
                         .sel_start = 0,
                         .sel_length = 0,
                         .font = {.height = -24, .weight = 400, .face = "宋体"},
                         .content = ""}},
};

// Headers carry the checked flag in the stored menu; it has no effect on a
// drop-down and is kept so that reading it back gives the stored value.
constexpr MenuItemDefinition header(UnitId id, std::string_view caption) {
  return {.id = id, .level = 0, .caption = caption, .checked = true};
}
constexpr MenuItemDefinition item(UnitId id, std::string_view caption, int shortcut, HandlerId handler) {
  return {.id = id, .level = 1, .caption = caption, .shortcut = shortcut, .clicked = handler};
}
constexpr MenuItemDefinition separator(UnitId id) { return {.id = id, .level = 1, .caption = "-"}; }

// Shortcut indices 1-26 are Ctrl+A..Ctrl+Z; 76 is Del.
constexpr int ctrl(char letter) { return letter - 'A' + 1; }
constexpr int kDel = 76;

constexpr MenuItemDefinition kMenu[] = {
    header(0x26010007, "文件操作"),
    item(0x26010009, "新建文档(A)", ctrl('A'), HandlerId::NewDocument),
    separator(0x2601000F),
    item(0x2601000B, "保存文档(S)", ctrl('S'), HandlerId::SaveDocument),
    separator(0x2601000E),
    item(0x2601000A, "打开文档(D)", ctrl('D'), HandlerId::OpenDocument),
    item(0x2601000C, "添加文档(F)", ctrl('F'), HandlerId::AppendDocument),
    header(0x26010010, "编辑菜单"),
    item(0x26010011, "剪切字符(X)", ctrl('X'), HandlerId::Cut),
    separator(0x26010012),
    item(0x26010013, "复制字符(C)", ctrl('C'), HandlerId::Copy),
    item(0x26010014, "粘贴字符(V)", ctrl('V'), HandlerId::Paste),
    separator(0x26010015),
    item(0x26010016, "清空字符(Del)", kDel, HandlerId::ClearAll),
    header(0x26010017, "功能设置"),
    item(0x260104BE, "壹键隐藏(Esc) 特殊说明 *必看*", 0, HandlerId::HideNotice),
    item(0x26010018, "字数总计(Q)", ctrl('Q'), HandlerId::TotalCount),
    item(0x26010020, "日期时间(W)", ctrl('W'), HandlerId::InsertDateTime),
    separator(0x2601006B),
    item(0x26010054, "字体颜色(E)", ctrl('E'), HandlerId::ChooseTextColour),
    item(0x2601005E, "背景颜色(R)", ctrl('R'), HandlerId::ChooseBackColour),
    item(0x26010055, "字体大小(T)", ctrl('T'), HandlerId::ChooseFont),
    separator(0x2601006C),
    item(0x2601006D, "配置还原(P)", ctrl('P'), HandlerId::RestoreConfiguration),
    header(0x26010019, "版权帮助"),
    item(0x260103FF, "版本更新(I)", ctrl('I'), HandlerId::OpenWebPage),
    separator(0x26010400),
    item(0x2601001A, "作者版权(Z)", ctrl('Z'), HandlerId::AuthorNotice),
    item(0x2601001B, "关于帮助(O)", ctrl('O'), HandlerId::ShortcutHelp),
};
static_assert(std::size(kMenu) == 29);

constexpr FormDefinition kMainForm{
    .id = form::kMain,
    .window = {.id = unit::kMainWindow,
               .geometry = {0, 0, 560, 620},
               .visible = false,  // shown by the splash when it ends
               .events = kWindowEvents,
               .data = WindowData{.border = 1,
                                  .max_button = true,
                                  .min_button = true,
                                  .control_box = true,
                                  .start_position = 1,
                                  .movable = true,
                                  .esc_closes = false,
                                  .show_in_taskbar = false,
                                  .free_move = false,
                                  .always_on_top = false}},
    .controls = kControls,
    .menu = kMenu,
};
static_assert(form_checks::form_is_well_formed(kMainForm));

}  // namespace

const FormDefinition& main_form() { return kMainForm; }

}  // namespace host
