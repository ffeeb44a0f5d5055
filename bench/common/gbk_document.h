// A Chinese manuscript of a given size, as the benchmarks feed it to the
// program: GBK paragraphs of 40 to 400 characters, each opened with two
// full-width spaces and ended with CR LF, mostly common Chinese characters
// with full-width punctuation, now and then a number or a Latin word with
// half-width spaces around it. The same size always gives the same bytes.
#pragma once

#include <cstddef>
#include <random>
#include <string>

namespace bench {

inline std::string gbk_document(std::size_t size) {
  // Full-width punctuation: ， 。 、 ！ ？ “ ” ：
  static constexpr const char* kPunctuation[] = {"\xA3\xAC", "\xA1\xA3", "\xA1\xA2", "\xA3\xA1",
                                                 "\xA3\xBF", "\xA1\xB0", "\xA1\xB1", "\xA3\xBA"};
  static constexpr const char* kWords[] = {" 2024 ", " Word ", " 3.5 ", " GDP ", " 100 "};
  std::mt19937 random(static_cast<unsigned>(size));
  std::string text;
  text.reserve(size + 1024);
  while (text.size() < size) {
    text += "\xA1\xA1\xA1\xA1";
    const unsigned characters = 40 + random() % 361;
    for (unsigned i = 0; i < characters; ++i) {
      const unsigned r = random() % 100;
      if (r < 9) {
        text += kPunctuation[random() % 8];
      } else if (r < 10) {
        text += kWords[random() % 5];
      } else {
        // GB2312 level 1: rows B0-D6 are complete from A1 to FE.
        text += static_cast<char>(0xB0 + random() % 0x27);
        text += static_cast<char>(0xA1 + random() % 0x5E);
      }
    }
    text += "\xA1\xA3\r\n";
  }
  // Cut at a paragraph end, so that no character is split.
  const std::size_t last_break = text.rfind("\r\n", size < 2 ? 0 : size - 2);
  text.resize(last_break == std::string::npos ? 0 : last_break + 2);
  return text;
}

}  // namespace bench
