// What the statistics must show after a writer's keys, worked out from the
// documented formulas alone: the document as the edit box holds it after
// each key (typing always at its end), and the three counters, stored in
// single precision and computed in double. Used to check the program after
// thousands of keys, where the numbers can no longer be worked out by hand:
// natively against the statistics on the fake host, and end to end against
// Verbrook.exe. Portable: texts are GBK, as in the program.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace load {

// Keys as the end-to-end driver types them: "\n" is Enter, "\b" Backspace,
// any other GBK character is typed at the end of the document.
inline constexpr char kEnter = '\n';
inline constexpr char kBackspace = '\b';

class WritingModel {
 public:
  void apply(std::string_view keys);

  // Line breaks as CR LF.
  const std::string& content() const { return content_; }
  // The number the last Enter put in the title; empty before the first Enter.
  const std::string& announced() const { return announced_; }
  // The number Ctrl+Q shows: the document's count without the typed line breaks.
  std::string total() const;

  float current_paragraph_count() const { return current_paragraph_count_; }
  std::int32_t paragraph_break_count() const { return paragraph_break_count_; }
  float count_at_paragraph_start() const { return count_at_paragraph_start_; }

 private:
  // One character as Backspace takes it away; a line break is one.
  struct Character {
    std::size_t bytes;
    std::size_t counted;  // 0 for spaces of both widths
    bool line_break;
  };

  void type(std::string_view character);
  void enter();
  void backspace();
  // The members the content splits into at CR LF (no member for an empty last piece).
  std::int32_t line_count() const;

  std::string content_;
  std::vector<Character> characters_;
  std::size_t space_free_length_ = 0;
  std::int32_t line_breaks_ = 0;
  std::string announced_;

  float current_paragraph_count_ = 0;
  std::int32_t paragraph_break_count_ = 0;
  float count_at_paragraph_start_ = 0;
};

// A writer's keys with exactly `enter_and_backspace_keys` Enter and
// Backspace keys and a few words typed between them, more typed than taken
// away so that the document grows; runs of Backspace go back over line
// breaks. It begins with Backspace on the empty document. The same seed
// gives the same keys.
std::string writer_keys(int enter_and_backspace_keys, std::mt19937::result_type seed);

// The keys cut after every `per_piece` Enter and Backspace keys.
std::vector<std::string_view> pieces_of(std::string_view keys, int per_piece);

// How many of the keys are Enter or Backspace.
int enter_and_backspace_count(std::string_view keys);

}  // namespace load
