#include "host/dispatch/fatal_errors.h"

#include <string>

namespace host::fatal {

Text error_box_text(std::string_view message, std::optional<int> code) {
  Text text = "运行时出错!\r\n\r\n";
  if (code) {
    text += "错误代码：";
    text += std::to_string(*code);
    text += "\r\n\r\n";
  }
  if (!message.empty()) {
    text += "错误信息：";
    text += message;
    text += "\r\n";
  }
  return text;
}

}  // namespace host::fatal
