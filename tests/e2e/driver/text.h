// Texts in the driver are GBK, as everywhere in Verbrook; these turn them to
// and from the UTF-16 of the W functions, and into UTF-8 for failure
// messages that people read in a Linux terminal.
#pragma once

#include <string>
#include <string_view>

namespace e2e {

std::wstring wide(std::string_view gbk);
std::string gbk(std::wstring_view wide_text);

// UTF-8 for messages (never for the program's texts).
std::string readable(std::wstring_view wide_text);
std::string readable_gbk(std::string_view gbk_text);
// The same on one line, with CR and LF written as \r and \n.
std::string readable_line(std::wstring_view wide_text);

}  // namespace e2e
