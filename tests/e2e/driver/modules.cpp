#include "driver/modules.h"

#include <tlhelp32.h>

#include <stdexcept>
#include <string>

#include "host/services/handles_win.h"

namespace e2e {

std::vector<std::filesystem::path> loaded_modules(DWORD process_id) {
  const host::Owned<host::InvalidHandleTraits> snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process_id));
  if (!snapshot) throw std::runtime_error("cannot list the modules of process " + std::to_string(process_id));
  std::vector<std::filesystem::path> modules;
  MODULEENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Module32FirstW(snapshot.get(), &entry); more; more = Module32NextW(snapshot.get(), &entry))
    modules.emplace_back(entry.szExePath);
  return modules;
}

}  // namespace e2e
