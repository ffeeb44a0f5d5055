#include "verbrook_tests/memory_samples.h"

#include <algorithm>
#include <cstdio>

namespace verbrook {

std::size_t MemorySamples::peak(std::size_t from, std::size_t to) const {
  std::size_t highest = 0;
  for (std::size_t i = from; i < to && i < samples_.size(); ++i) highest = std::max(highest, samples_[i].bytes);
  return highest;
}

std::size_t MemorySamples::early_peak() const { return peak(0, std::max<std::size_t>(1, samples_.size() / 4)); }

std::size_t MemorySamples::late_peak() const { return peak(samples_.size() - samples_.size() / 4, samples_.size()); }

std::string MemorySamples::table(const char* unit, std::size_t rows) const {
  std::string text;
  const std::size_t step = std::max<std::size_t>(1, samples_.size() / std::max<std::size_t>(1, rows));
  for (std::size_t i = 0; i < samples_.size(); ++i) {
    if (i % step != 0 && i + 1 != samples_.size()) continue;
    char line[96];
    std::snprintf(line, sizeof line, "  %6d %s: %7.2f MB\n", samples_[i].done, unit,
                  static_cast<double>(samples_[i].bytes) / kMegabyte);
    text += line;
  }
  return text;
}

}  // namespace verbrook
