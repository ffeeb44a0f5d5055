// The GB18030 codec's two directions over a 10 MB Chinese manuscript, timed
// as the best of several runs (a shared machine adds time, never removes
// it), for the native and the Windows codec benchmarks.
#pragma once

#include <cstddef>
#include <string>

#include "bench/common/gbk_document.h"
#include "bench/common/measure.h"
#include "host/services/gb18030.h"

namespace bench {

inline constexpr std::size_t kCodecDocumentBytes = 10 << 20;
inline constexpr int kCodecRuns = 9;

template <class Run>
double best_ms(Run&& run) {
  double best = 1e300;
  for (int i = 0; i < kCodecRuns; ++i) best = std::min(best, time_ms(run));
  return best;
}

// The manuscript with a character outside GBK (𠀀, four bytes) in every paragraph.
inline std::string codec_document() {
  std::string text = gbk_document(kCodecDocumentBytes);
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 6))
    text.insert(at, "\x95\x32\x82\x36");
  return text;
}

}  // namespace bench
