#include "host/services/encoding_win.h"

#include <windows.h>

#include <climits>

namespace host {

std::wstring gbk_to_wide(std::string_view gbk) {
  if (gbk.empty() || gbk.size() > INT_MAX) return {};
  const int length = static_cast<int>(gbk.size());
  const int wide_length = MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), length, nullptr, 0);
  if (wide_length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
  MultiByteToWideChar(kGbkCodePage, 0, gbk.data(), length, wide.data(), wide_length);
  return wide;
}

std::string wide_to_gbk(std::wstring_view wide) {
  if (wide.empty() || wide.size() > INT_MAX) return {};
  const int length = static_cast<int>(wide.size());
  const int gbk_length = WideCharToMultiByte(kGbkCodePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  if (gbk_length <= 0) return {};
  std::string gbk(static_cast<std::size_t>(gbk_length), '\0');
  WideCharToMultiByte(kGbkCodePage, 0, wide.data(), length, gbk.data(), gbk_length, nullptr, nullptr);
  return gbk;
}

std::optional<std::string> wide_to_gbk_exact(std::wstring_view wide) {
  std::string gbk = wide_to_gbk(wide);
  if (gbk_to_wide(gbk) != wide) return std::nullopt;
  return gbk;
}

}  // namespace host
