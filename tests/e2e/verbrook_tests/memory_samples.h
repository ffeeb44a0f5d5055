// The program's private bytes sampled through a long run, to tell a leak
// from the memory a growing document needs: the highest sample of the last
// quarter of the run against the highest of the first quarter.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace verbrook {

class MemorySamples {
 public:
  // `done`: how far the run had got (keys, cycles).
  void add(int done, std::size_t bytes) { samples_.push_back({done, bytes}); }

  std::size_t early_peak() const;
  std::size_t late_peak() const;
  // About `rows` samples spread over the run, one a line, for the log.
  std::string table(const char* unit, std::size_t rows) const;

 private:
  struct Sample {
    int done;
    std::size_t bytes;
  };
  std::size_t peak(std::size_t from, std::size_t to) const;

  std::vector<Sample> samples_;
};

inline constexpr std::size_t kMegabyte = 1 << 20;

}  // namespace verbrook
