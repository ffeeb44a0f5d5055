#include "host/services/common_dialog.h"

#include <algorithm>

namespace host {
namespace {

constexpr std::string_view kListEnd = "||";
constexpr std::string_view kTextPattern = "*.txt";

bool is_gbk_lead_byte(char byte) {
  const auto value = static_cast<unsigned char>(byte);
  return value >= 0x81 && value <= 0xFE;
}

// The parts between the '|' separators, double-byte characters taken whole.
std::vector<std::string_view> split_at_bars(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (is_gbk_lead_byte(text[at])) {
      ++at;
    } else if (text[at] == '|') {
      parts.push_back(text.substr(start, at - start));
      start = at + 1;
    }
  }
  parts.push_back(text.substr(std::min(start, text.size())));
  return parts;
}

bool equal_ignoring_ascii_case(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

Text description_of_lone_pattern(std::string_view pattern) {
  return Text(equal_ignoring_ascii_case(pattern, kTextPattern) ? kTextFilesDescription : pattern);
}

}  // namespace

std::vector<FilterEntry> filter_entries(std::string_view filter) {
  std::vector<FilterEntry> entries;
  if (filter.empty()) return entries;
  Text full(filter);
  if (!full.ends_with(kListEnd)) full += kListEnd;
  const std::vector<std::string_view> parts = split_at_bars(full);
  for (std::size_t at = 0; at < parts.size() && !parts[at].empty(); at += 2) {
    const std::string_view pattern = at + 1 < parts.size() ? parts[at + 1] : std::string_view{};
    if (pattern.empty()) {
      entries.push_back({description_of_lone_pattern(parts[at]), Text(parts[at])});
    } else {
      entries.push_back({Text(parts[at]), Text(pattern)});
    }
  }
  return entries;
}

std::uint32_t filter_number(std::int32_t filter_index, std::size_t entry_count) {
  if (entry_count == 0) return 0;
  if (filter_index < 0 || static_cast<std::size_t>(filter_index) >= entry_count) return 1;
  return static_cast<std::uint32_t>(filter_index) + 1;
}

Text default_extension_of(std::string_view stored) {
  if (stored.starts_with('*')) stored.remove_prefix(1);
  if (stored.starts_with('.')) stored.remove_prefix(1);
  if (stored.find_first_of("*?") != std::string_view::npos) return {};
  return Text(stored);
}

std::int32_t points_of_tenths(std::int32_t tenths) {
  return tenths >= 0 ? (tenths + 5) / 10 : -((5 - tenths) / 10);
}

FileDialogOptions shown_options(FileDialogOptions asked, bool save) {
  if (save) asked.file_must_exist = false;
  return asked;
}

}  // namespace host
