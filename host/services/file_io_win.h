// Pieces shared by the file services: which names can be used, and writing
// parts through a handle in pieces the system takes.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "host/services/value.h"

namespace host {

inline constexpr DWORD kLargestTransfer = 1u << 24;

// An embedded zero byte would silently cut the name short.
inline bool is_usable_name(const Text& file_name) {
  return !file_name.empty() && file_name.find('\0') == Text::npos;
}

// Writes every part at the handle's position; false at the first failure.
bool write_all(HANDLE file, std::span<const std::span<const std::uint8_t>> parts);

}  // namespace host
