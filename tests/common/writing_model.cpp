#include "common/writing_model.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <stdexcept>

namespace load {
namespace {

std::string formatted(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// A GBK lead byte starts a two-byte character.
std::size_t character_length(unsigned char first) { return first >= 0x81 ? 2 : 1; }

bool is_key(char key) { return key == kEnter || key == kBackspace; }

}  // namespace

void WritingModel::apply(std::string_view keys) {
  for (std::size_t i = 0; i < keys.size();) {
    if (keys[i] == kEnter) {
      enter();
      ++i;
    } else if (keys[i] == kBackspace) {
      backspace();
      ++i;
    } else {
      const std::size_t length = character_length(static_cast<unsigned char>(keys[i]));
      type(keys.substr(i, length));
      i += length;
    }
  }
}

std::string WritingModel::total() const {
  return formatted("%.13g", static_cast<double>(space_free_length_) / 2.0 - static_cast<double>(paragraph_break_count_));
}

void WritingModel::type(std::string_view character) {
  const bool space = character == " " || character == "\xA1\xA1";
  characters_.push_back({character.size(), space ? 0 : character.size(), false});
  content_ += character;
  space_free_length_ += characters_.back().counted;
}

// The paragraph is counted on the content before its line break goes in.
void WritingModel::enter() {
  ++paragraph_break_count_;
  current_paragraph_count_ = static_cast<float>(static_cast<double>(space_free_length_) / 2.0 -
                                                static_cast<double>(count_at_paragraph_start_));
  count_at_paragraph_start_ = static_cast<float>(
      (static_cast<double>(current_paragraph_count_) + static_cast<double>(count_at_paragraph_start_)) + 1.0);
  announced_ = formatted("%.6g", static_cast<double>(current_paragraph_count_));

  characters_.push_back({2, 2, true});
  content_ += "\r\n";
  space_free_length_ += 2;
  ++line_breaks_;
}

// The counters are brought in step on the content before the character goes.
void WritingModel::backspace() {
  const std::int32_t lines = line_count();
  if (lines == paragraph_break_count_) {
    --paragraph_break_count_;
    count_at_paragraph_start_ = static_cast<float>((static_cast<double>(count_at_paragraph_start_) -
                                                    static_cast<double>(current_paragraph_count_)) -
                                                   static_cast<double>(paragraph_break_count_));
  } else if (lines < paragraph_break_count_) {
    // Each Enter adds a line and each Backspace that lowers the count takes
    // one away, so keys alone never get here; only a cut selection does.
    throw std::logic_error("fewer lines than paragraph ends after keys alone");
  }

  if (characters_.empty()) return;
  const Character last = characters_.back();
  characters_.pop_back();
  content_.resize(content_.size() - last.bytes);
  space_free_length_ -= last.counted;
  if (last.line_break) --line_breaks_;
}

std::int32_t WritingModel::line_count() const {
  if (content_.empty()) return 0;
  return characters_.back().line_break ? line_breaks_ : line_breaks_ + 1;
}

std::string writer_keys(int enter_and_backspace_keys, std::mt19937::result_type seed) {
  // Chinese characters whose GBK bytes never pair into a full-width space,
  // letters and digits, and spaces of both widths.
  static constexpr std::array<std::string_view, 20> kAlphabet = {
      "你", "好", "世", "界", "写", "作", "文", "字", "a", "b",
      "c",  "x",  "y",  "z",  "0",  "1",  "9",  " ",  "\xA1\xA1", "A"};
  std::mt19937 random(seed);
  const auto below = [&](std::size_t limit) { return static_cast<int>(random() % limit); };

  std::string keys(2, kBackspace);  // on the empty document
  int counted = 2;
  while (counted < enter_and_backspace_keys) {
    if (below(10) < 7) {
      for (int length = 1 + below(5); length > 0; --length) keys += kAlphabet[below(kAlphabet.size())];
    }
    const int choice = below(100);
    const int backspaces = choice < 55 ? 0 : choice < 90 ? 1 : 2 + below(4);
    const int count = std::min(backspaces == 0 ? 1 : backspaces, enter_and_backspace_keys - counted);
    keys.append(count, backspaces == 0 ? kEnter : kBackspace);
    counted += count;
  }
  return keys;
}

std::vector<std::string_view> pieces_of(std::string_view keys, int per_piece) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  int in_piece = 0;
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (!is_key(keys[i]) || ++in_piece < per_piece) continue;
    pieces.push_back(keys.substr(start, i + 1 - start));
    start = i + 1;
    in_piece = 0;
  }
  if (start < keys.size()) pieces.push_back(keys.substr(start));
  return pieces;
}

int enter_and_backspace_count(std::string_view keys) {
  return static_cast<int>(std::count_if(keys.begin(), keys.end(), is_key));
}

}  // namespace load
