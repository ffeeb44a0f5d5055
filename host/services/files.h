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

// The file is there and can be read whole now: not a folder, not held by
// another program that keeps readers out, not too large to hold. For a file
// named from outside the program, which no dialog has checked.
bool is_readable_file(const Text& file_name);

// Writes the parts one after the other into the named file, replacing its
// content as a whole while the file stays what it was: its security, owner,
// attributes, creation time and other names; a symbolic link is followed.
// The bytes go to a temporary file beside it, flushed, which then takes the
// target's place in one step; a file that cannot be swapped (hard links, a
// folder that takes no new files) is rewritten in place after a flushed
// backup copy of its old content. A failure at any point leaves the old file
// as it was. Temporary files that a killed save left beside it are removed.
// An empty file name gives false and creates nothing; true only when every
// step succeeded.
bool write_file(const Text& file_name, std::span<const std::span<const std::uint8_t>> parts);
bool write_file(const Text& file_name, std::span<const std::uint8_t> bytes);

}  // namespace host
