#include "driver/text.h"

#include "host/services/encoding_win.h"

namespace e2e {

std::wstring wide(std::string_view gbk_text) { return host::gb18030_to_wide(gbk_text); }

std::string gbk(std::wstring_view wide_text) { return host::wide_to_gb18030(wide_text); }

std::string readable(std::wstring_view wide_text) {
  std::string utf8;
  for (std::size_t i = 0; i < wide_text.size(); ++i) {
    char32_t code = wide_text[i];
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < wide_text.size()) {
      const char32_t low = wide_text[i + 1];
      if (low >= 0xDC00 && low < 0xE000) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    if (code < 0x80) {
      utf8 += static_cast<char>(code);
    } else if (code < 0x800) {
      utf8 += static_cast<char>(0xC0 | (code >> 6));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      utf8 += static_cast<char>(0xE0 | (code >> 12));
      utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      utf8 += static_cast<char>(0xF0 | (code >> 18));
      utf8 += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return utf8;
}

std::string readable_gbk(std::string_view gbk_text) { return readable(wide(gbk_text)); }

std::string readable_line(std::wstring_view wide_text) {
  std::string line;
  for (char c : readable(wide_text)) {
    if (c == '\r') {
      line += "\\r";
    } else if (c == '\n') {
      line += "\\n";
    } else {
      line += c;
    }
  }
  return line;
}

}  // namespace e2e
