#include "host/services/web_address.h"

#include "host/services/encoding_win.h"
#include "host/services/loaded_functions_win.h"

namespace host {

void open_web_address(const Text& address) {
  const auto shell_execute = loaded_functions().ShellExecuteW;
  if (address.empty() || !shell_execute) return;
  const std::wstring wide = gb18030_to_wide(address);
  shell_execute(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace host
