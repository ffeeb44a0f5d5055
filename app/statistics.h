// Counting what the writer has written: the document's total on demand, the
// length of each paragraph finished with Enter (in the main window's title),
// and clearing the document together with the counters.
//
// The counting unit is half a byte of GBK text, spaces left out: a Chinese
// character counts 1, an ASCII character 0.5, a CR LF pair 1.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/unit_properties.h"
#include "host/host_api.h"

namespace app {

// The count of a text as the writer is told it: a Chinese character 1, an
// ASCII character a half, spaces nothing.
double character_count(std::string_view text);

class Statistics {
 public:
  explicit Statistics(host::HostApi& host);

  void show_total_count();
  // Enter, before the line break goes in.
  void end_paragraph();
  // Backspace, before the character goes: the counters are brought back in
  // step with the lines that are really there.
  void resync_on_backspace();
  // Empties the document at once, without asking, and resets the counters.
  void clear_text_and_counters();

  // Frees the lines kept from the last Backspace.
  void release_split_lines();

  float current_paragraph_count() const { return current_paragraph_count_; }
  std::int32_t paragraph_break_count() const { return paragraph_break_count_; }
  float count_at_paragraph_start() const { return count_at_paragraph_start_; }
  const host::Array<host::Text>& last_split_lines() const { return last_split_lines_; }

 private:
  host::HostApi& host_;
  UnitProperties properties_;
  // Stored in single precision, computed in double.
  float current_paragraph_count_ = 0;
  // The Enter presses counted in the document. Backspace on an empty document
  // can take it below zero; the next Enter brings it back.
  std::int32_t paragraph_break_count_ = 0;
  float count_at_paragraph_start_ = 0;
  host::Array<host::Text> last_split_lines_ = host::Array<host::Text>::one_dimensional({});
};

}  // namespace app
