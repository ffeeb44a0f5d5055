#include "driver/modules.h"

#include <tlhelp32.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>

#include "driver/handles.h"
#include "driver/text.h"

namespace e2e {

namespace {

struct SnapshotTraits {
  static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
  static void close(HANDLE handle) { CloseHandle(handle); }
};
using Snapshot = UniqueHandle<HANDLE, SnapshotTraits>;

std::string read_whole(const std::filesystem::path& file) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) throw std::runtime_error("cannot read " + readable(file.wstring()));
  return std::string(std::istreambuf_iterator<char>(stream), {});
}

template <class T>
T at(const std::string& bytes, std::size_t offset) {
  if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) throw std::runtime_error("a cut PE file");
  T value;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

// The file offset of a relative virtual address, through the section that holds it.
std::optional<std::size_t> file_offset(const std::string& bytes, std::size_t sections, WORD section_count, DWORD rva) {
  for (WORD i = 0; i < section_count; ++i) {
    const auto section = at<IMAGE_SECTION_HEADER>(bytes, sections + i * sizeof(IMAGE_SECTION_HEADER));
    const DWORD size = std::max(section.Misc.VirtualSize, section.SizeOfRawData);
    if (rva >= section.VirtualAddress && rva < section.VirtualAddress + size)
      return std::size_t{rva - section.VirtualAddress + section.PointerToRawData};
  }
  return std::nullopt;
}

std::wstring lowercase(std::wstring text) {
  CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace

std::vector<std::filesystem::path> loaded_modules(DWORD process_id) {
  const Snapshot snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process_id));
  if (!snapshot) throw std::runtime_error("cannot list the modules of process " + std::to_string(process_id));
  std::vector<std::filesystem::path> modules;
  MODULEENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Module32FirstW(snapshot.get(), &entry); more; more = Module32NextW(snapshot.get(), &entry))
    modules.emplace_back(entry.szExePath);
  return modules;
}

std::vector<std::wstring> imported_dll_names(const std::filesystem::path& file) {
  const std::string bytes = read_whole(file);
  const auto nt = static_cast<std::size_t>(at<IMAGE_DOS_HEADER>(bytes, 0).e_lfanew);
  const auto header = at<IMAGE_FILE_HEADER>(bytes, nt + sizeof(DWORD));
  const std::size_t optional_header = nt + sizeof(DWORD) + sizeof(IMAGE_FILE_HEADER);
  const bool pe32_plus = at<WORD>(bytes, optional_header) == IMAGE_NT_OPTIONAL_HDR64_MAGIC;
  const std::size_t directories = optional_header + (pe32_plus ? offsetof(IMAGE_OPTIONAL_HEADER64, DataDirectory)
                                                               : offsetof(IMAGE_OPTIONAL_HEADER32, DataDirectory));
  const auto imports =
      at<IMAGE_DATA_DIRECTORY>(bytes, directories + IMAGE_DIRECTORY_ENTRY_IMPORT * sizeof(IMAGE_DATA_DIRECTORY));
  const std::size_t sections = optional_header + header.SizeOfOptionalHeader;

  std::vector<std::wstring> names;
  if (imports.VirtualAddress == 0) return names;
  const auto first = file_offset(bytes, sections, header.NumberOfSections, imports.VirtualAddress);
  if (!first) throw std::runtime_error("no import table in " + readable(file.wstring()));
  for (std::size_t entry = *first;; entry += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
    const auto descriptor = at<IMAGE_IMPORT_DESCRIPTOR>(bytes, entry);
    if (descriptor.Name == 0) break;
    const auto name = file_offset(bytes, sections, header.NumberOfSections, descriptor.Name);
    if (!name) continue;
    names.push_back(wide(std::string(bytes.c_str() + *name)));
  }
  return names;
}

std::vector<std::filesystem::path> static_imports(const std::filesystem::path& program,
                                                  const std::vector<std::filesystem::path>& loaded) {
  std::vector<std::filesystem::path> found;
  std::vector<std::filesystem::path> to_read{program};
  const auto already_found = [&](const std::filesystem::path& module) {
    for (const auto& known : found)
      if (known == module) return true;
    return false;
  };
  while (!to_read.empty()) {
    const std::filesystem::path file = to_read.back();
    to_read.pop_back();
    for (const std::wstring& name : imported_dll_names(file)) {
      for (const auto& module : loaded) {
        if (lowercase(module.filename().wstring()) != lowercase(name) || already_found(module)) continue;
        found.push_back(module);
        to_read.push_back(module);
      }
    }
  }
  return found;
}

}  // namespace e2e
