#include "host/services/web_address.h"

#include <windows.h>
#include <shellapi.h>

#include "host/services/encoding_win.h"

namespace host {

void open_web_address(const Text& address) {
  if (address.empty()) return;
  const std::wstring wide = gbk_to_wide(address);
  ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace host
