#include "host/services/ini_file.h"

#include <vector>

#include "host/services/text.h"

namespace host::ini {
namespace {

constexpr std::size_t npos = std::string_view::npos;

// The profile functions' blanks: C white space and Ctrl+Z.
bool is_blank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

// Case folding skips the second bytes of double-byte characters, which may
// look like ASCII letters.
bool same_name(std::string_view a, std::string_view b) { return compare_texts(a, b, false) == 0; }

enum class Kind { kOther, kSection, kEntry };

struct Line {
  std::size_t begin = 0;        // its first byte
  std::size_t content_end = 0;  // where its line break starts
  std::size_t end = 0;          // after its line break
  Kind kind = Kind::kOther;
  std::string_view name;        // of the section or key
  std::size_t value_begin = 0;  // entries: the first byte after '=' and the blanks after it
};

Line parse_line(std::string_view ini, std::size_t begin) {
  Line line;
  line.begin = begin;
  const std::size_t lf = ini.find('\n', begin);
  line.end = lf == npos ? ini.size() : lf + 1;
  line.content_end = lf == npos ? ini.size() : lf;
  if (line.content_end > begin && ini[line.content_end - 1] == '\r') --line.content_end;

  const std::string_view text = trimmed(ini.substr(begin, line.content_end - begin));
  if (text.empty() || text.front() == ';') return line;
  if (text.front() == '[') {
    // The last ']' closes the name, also when ']' is the second byte of a
    // character inside it.
    const std::size_t close = text.rfind(']');
    if (close != npos) {
      line.kind = Kind::kSection;
      line.name = trimmed(text.substr(1, close - 1));
      return line;
    }
  }
  const std::size_t equals = text.find('=');
  if (equals == npos) return line;
  line.kind = Kind::kEntry;
  line.name = trimmed(text.substr(0, equals));
  line.value_begin = static_cast<std::size_t>(text.data() - ini.data()) + equals + 1;
  while (line.value_begin < line.content_end && is_blank(ini[line.value_begin])) ++line.value_begin;
  return line;
}

std::vector<Line> parse(std::string_view ini) {
  std::vector<Line> lines;
  for (std::size_t begin = 0; begin < ini.size(); begin = lines.back().end) lines.push_back(parse_line(ini, begin));
  return lines;
}

// Line indexes: the section's header and the line after its last line.
struct Section {
  std::size_t header;
  std::size_t end;
};

std::optional<Section> find_section(const std::vector<Line>& lines, std::string_view name) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].kind != Kind::kSection || !same_name(lines[i].name, name)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && lines[end].kind != Kind::kSection) ++end;
    return Section{i, end};
  }
  return std::nullopt;
}

bool is_entry_of(const Line& line, std::string_view key) {
  return line.kind == Kind::kEntry && same_name(line.name, key);
}

std::optional<std::size_t> find_entry(const std::vector<Line>& lines, Section section, std::string_view key) {
  for (std::size_t i = section.header + 1; i < section.end; ++i) {
    if (is_entry_of(lines[i], key)) return i;
  }
  return std::nullopt;
}

std::string_view line_break_of(std::string_view ini) {
  const std::size_t lf = ini.find('\n');
  if (lf == npos) return "\r\n";
  return lf > 0 && ini[lf - 1] == '\r' ? "\r\n" : "\n";
}

std::string_view line_text(std::string_view ini, const Line& line) { return ini.substr(line.begin, line.end - line.begin); }

}  // namespace

std::optional<Text> find_value(std::string_view ini, std::string_view section, std::string_view key) {
  const std::vector<Line> lines = parse(ini);
  const std::optional<Section> found_section = find_section(lines, trimmed(section));
  if (!found_section) return std::nullopt;
  const std::optional<std::size_t> entry = find_entry(lines, *found_section, trimmed(key));
  if (!entry) return std::nullopt;
  const Line& line = lines[*entry];
  std::string_view value = trimmed(ini.substr(line.value_begin, line.content_end - line.value_begin));
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return Text(value);
}

Text with_value(std::string_view ini, std::string_view section_name, std::string_view key_name, std::string_view value) {
  const std::string_view section = trimmed(section_name);
  const std::string_view key = trimmed(key_name);
  const std::string_view line_break = line_break_of(ini);
  const std::vector<Line> lines = parse(ini);
  const Text entry = join_texts({key, "=", value, line_break});

  if (const std::optional<Section> found = find_section(lines, section)) {
    if (const std::optional<std::size_t> index = find_entry(lines, *found, key)) {
      const Line& line = lines[*index];
      return join_texts({ini.substr(0, line.value_begin), value, ini.substr(line.content_end)});
    }
    std::size_t last = found->header;
    for (std::size_t i = found->header + 1; i < found->end; ++i) {
      if (lines[i].kind == Kind::kEntry) last = i;
    }
    const std::size_t at = lines[last].end;
    const bool ends_without_break = at == ini.size() && ini.back() != '\n';
    return join_texts({ini.substr(0, at), ends_without_break ? line_break : "", entry, ini.substr(at)});
  }
  const bool ends_without_break = !ini.empty() && ini.back() != '\n';
  return join_texts({ini, ends_without_break ? line_break : "", "[", section, "]", line_break, entry});
}

Text without_key(std::string_view ini, std::string_view section, std::string_view key) {
  const std::vector<Line> lines = parse(ini);
  const std::optional<Section> found = find_section(lines, trimmed(section));
  if (!found) return Text(ini);
  Text result;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool in_section = i > found->header && i < found->end;
    if (!in_section || !is_entry_of(lines[i], trimmed(key))) result += line_text(ini, lines[i]);
  }
  return result;
}

Text without_section(std::string_view ini, std::string_view section) {
  Text result;
  bool inside = false;
  for (const Line& line : parse(ini)) {
    if (line.kind == Kind::kSection) inside = same_name(line.name, trimmed(section));
    if (!inside) result += line_text(ini, line);
  }
  return result;
}

}  // namespace host::ini
