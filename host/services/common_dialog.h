// The rules by which the common dialog unit's properties become a file or font
// dialog's settings: the filter list, the filter number, the default
// extension, the file dialog's options and the font size in points.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "host/services/value.h"

namespace host {

struct FilterEntry {
  Text description;
  Text pattern;
  friend bool operator==(const FilterEntry&, const FilterEntry&) = default;
};

// The description shown for a pattern given without one.
inline constexpr std::string_view kTextFilesDescription = "文本文件 (*.txt)";

// The filter text read like the platform's list of descriptions and patterns:
// "||" is added when it does not end the text, every '|' separates one part
// from the next (GBK double-byte characters are taken whole, so a trail byte
// 0x7C is no separator), and an empty description ends the list. A
// description without a pattern serves as its own pattern, so "*.txt" offers
// the text files; its description then is kTextFilesDescription for "*.txt"
// and the pattern itself for anything else.
std::vector<FilterEntry> filter_entries(std::string_view filter);

// The dialog's 1-based number of the 0-based FilterIndex, kept within the
// list (the first entry for an index out of range); 0 for an empty list.
std::uint32_t filter_number(std::int32_t filter_index, std::size_t entry_count);

// The extension the dialog adds to a typed name without one: "*.txt", ".txt"
// and "txt" all give "txt"; empty, or one with a wildcard, gives none.
Text default_extension_of(std::string_view stored);

// The file dialog's options, as the unit's properties ask for them and as
// the dialog is then shown.
struct FileDialogOptions {
  bool create_prompt = false;
  bool file_must_exist = false;
  bool overwrite_prompt = false;
  bool path_must_exist = false;
  bool no_change_dir = false;
  friend bool operator==(const FileDialogOptions&, const FileDialogOptions&) = default;
};

// A file must exist for the open dialog only: a save dialog that held to it
// could not name a new file, and saving a new document is what it is for.
FileDialogOptions shown_options(FileDialogOptions asked, bool save);

// A size in tenths of a point as whole points, rounded half away from zero.
std::int32_t points_of_tenths(std::int32_t tenths);

}  // namespace host
