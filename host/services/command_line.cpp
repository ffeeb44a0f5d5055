#include "host/services/command_line.h"

namespace host {
namespace {

bool is_blank(wchar_t character) { return character == L' ' || character == L'\t'; }

// Where the arguments begin: after the program's name and the blanks after it.
std::size_t after_program_name(std::wstring_view line) {
  std::size_t at = 0;
  if (!line.empty() && line.front() == L'"') {
    // The name is a path, which holds no quote: nothing is escaped in it.
    const std::size_t closing = line.find(L'"', 1);
    at = closing == std::wstring_view::npos ? line.size() : closing + 1;
  } else {
    while (at < line.size() && !is_blank(line[at])) ++at;
  }
  while (at < line.size() && is_blank(line[at])) ++at;
  return at;
}

}  // namespace

std::wstring first_argument(std::wstring_view command_line) {
  std::wstring argument;
  bool quoted = false;
  for (std::size_t at = after_program_name(command_line); at < command_line.size();) {
    const wchar_t character = command_line[at];
    if (is_blank(character) && !quoted) break;
    if (character == L'\\') {
      std::size_t backslashes = 0;
      for (; at < command_line.size() && command_line[at] == L'\\'; ++at) ++backslashes;
      const bool before_quote = at < command_line.size() && command_line[at] == L'"';
      argument.append(before_quote ? backslashes / 2 : backslashes, L'\\');
      if (before_quote && backslashes % 2 == 1) {
        argument += L'"';
        ++at;
      }
      continue;
    }
    if (character == L'"') {
      quoted = !quoted;
    } else {
      argument += character;
    }
    ++at;
  }
  return argument;
}

}  // namespace host
