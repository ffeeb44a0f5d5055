#include "driver/drop.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "host/services/handles_win.h"

namespace e2e {

void drop_files(const Window& target, const std::vector<std::filesystem::path>& files) {
  // The names in UTF-16, each ended by a zero, and the list by one more.
  std::wstring names;
  for (const std::filesystem::path& file : files) names += file.wstring() + L'\0';
  names += L'\0';
  const RECT client = target.client_rect();
  DROPFILES head{};
  head.pFiles = sizeof head;
  head.pt = {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
  head.fNC = FALSE;
  head.fWide = TRUE;
  std::string block(sizeof head + names.size() * sizeof(wchar_t), '\0');
  std::memcpy(block.data(), &head, sizeof head);
  std::memcpy(block.data() + sizeof head, names.data(), names.size() * sizeof(wchar_t));

  const host::OwnedKernelHandle process(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, target.process_id()));
  void* remote = process ? VirtualAllocEx(process.get(), nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)
                         : nullptr;
  if (!remote || !WriteProcessMemory(process.get(), remote, block.data(), block.size(), nullptr))
    throw std::runtime_error("cannot put the dropped names into the program, error " + std::to_string(GetLastError()));
  if (!PostMessageW(target.handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0))
    throw std::runtime_error("cannot post the drop, error " + std::to_string(GetLastError()));
}

}  // namespace e2e
