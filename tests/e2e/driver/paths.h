// Where the programs under test and the test artefacts are. The build passes
// their Linux paths (ASCII); under Wine the Linux root is drive Z:.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace e2e {

std::filesystem::path verbrook_program();
std::filesystem::path target_program();
// build/win32/e2e-artifacts, made on first use.
std::filesystem::path artifacts_folder();

std::filesystem::path from_linux_path(std::string_view linux_path);
// The Linux path of a file on drive Z:, for messages people follow on Linux
// (other paths are returned as they are, in UTF-8).
std::string to_linux_path(const std::filesystem::path& path);

}  // namespace e2e
