#include "app/notices.h"

#include "app/maker.h"
#include "host/services/text.h"

namespace app {

using host::message_box::kOk;

host::Text shortcut_help_text() {
  return host::join_texts({
      "---------------------------------------------\r\n"
      "新建文件  Ctrl+A   保存文件  Ctrl+S \r\n"
      "打开文件  Ctrl+D   添加文件  Ctrl+F \r\n"
      "---------------------------------------------\r\n"
      "剪切字符  Ctrl+X   清空字符  Del \r\n"
      "复制字符  Ctrl+C   粘贴字符  Ctrl+V \r\n"
      "---------------------------------------------\r\n"
      "字数总计  Ctrl+Q  日期时间  Ctrl+W \r\n"
      "字体颜色  Ctrl+E   背景颜色  Ctrl+R \r\n"
      "---------------------------------------------\r\n"
      "字体大小  Ctrl+T   配置还原  Ctrl+P \r\n"
      "作者版权  Ctrl+Z   关于帮助  Ctrl+O \r\n"
      "---------------------------------------------\r\n"
      "版本更新  Ctrl+I 更多功能 正在研发\r\n",
      "更多信息与新版本请关注官方网站 ",
      maker::kHost,
      "\r\n",
      "---------------------------------------------",
  });
}

host::Text author_notice_text() {
  return host::join_texts({"作者：Tamberlo\r\n\r\n版权所有：Tamberlo 保留一切权利\r\n\r\n官方网站：", maker::kAddress});
}

void Notices::show_hide_notice() {
  // The backslash before the first @ belongs to the face drawn in the text.
  host_.message_box(
      "[Esc]键     一键隐藏/显示本程序\r\n\r\n"
      "为防止隐藏后操作不当.本程序被其它窗口盖住,接收不到显示指令.\r\n\r\n"
      "程序面板特别预留了5%的可见度.请注意查看 \\@ o @/ \r\n\r\n"
      "只要点一下程序面板任意位置,都能接收显示指令!",
      kOk, "特殊提醒:");
}

void Notices::show_author_notice() { host_.message_box(author_notice_text(), kOk, "作者版权声明："); }

void Notices::show_shortcut_help() { host_.message_box(shortcut_help_text(), kOk, "快捷操作帮助说明："); }

void Notices::open_web_page() { host_.open_web_address(maker::kAddress); }

}  // namespace app
