// The run-time errors that end the program, and the text of the box that
// reports them.
#pragma once

#include <optional>
#include <string_view>

#include "host/services/value.h"

namespace host::fatal {

inline constexpr std::string_view kFormDataUnreadable = "载入窗口模板数据段出错!";
inline constexpr std::string_view kStartWindowFailed = "载入启动窗口失败";
inline constexpr std::string_view kFormNotLoaded = "未载入欲访问窗口组件所在的窗口";
inline constexpr std::string_view kWindowGone = "指定窗口尚未载入";
inline constexpr std::string_view kUnitNotLoaded = "指定窗口或窗口组件不存在或尚未载入";
// A property index or font sub-field the unit type does not have.
inline constexpr std::string_view kNoSuchProperty = "欲访问的窗口组件属性不存在";

// "运行时出错!" and a blank line; then "错误代码：", the code and a blank line
// when there is a code; then "错误信息：", the message and CR LF when there is
// a message.
Text error_box_text(std::string_view message, std::optional<int> code = std::nullopt);

}  // namespace host::fatal
