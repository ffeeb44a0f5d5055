// Whole-file reading and writing, and the program's own folder. File names are
// GBK texts.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "host/services/value.h"

namespace host {

// The folder holding the program file, without a trailing backslash.
Text program_directory();

// The whole file, opened for reading while denying other writers. Missing,
// unreadable and empty files all give the empty array.
Bytes read_file(const Text& file_name);

// The same, but tells a file that is there and cannot be read (held by another
// program, a folder, no access, too large to hold) from a missing one: nothing for the first, the
// empty array for the second. A caller that rewrites a file from its old
// content checks this first, so that it never replaces what it could not read.
std::optional<Bytes> read_whole_file(const Text& file_name);

// Writes the parts one after the other into the named file, replacing it as a
// whole: the bytes go to a temporary file in the same folder which then takes
// the target's place, so a failure at any point leaves the old file exactly as
// it was. An empty file name gives false and creates nothing; true only when
// every step succeeded.
bool write_file(const Text& file_name, std::span<const std::span<const std::uint8_t>> parts);
bool write_file(const Text& file_name, std::span<const std::uint8_t> bytes);

}  // namespace host
