// Timing and reporting for the benchmark programs: medians of several runs,
// and the rows of the table that scripts/bench.sh collects into
// BENCHMARKS.md (lines that start with "| ").
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double ms_since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

template <class Run>
double time_ms(Run&& run) {
  const auto start = Clock::now();
  run();
  return ms_since(start);
}

// Keeps the compiler from leaving out work whose result nothing reads.
inline void keep(const void* result) { asm volatile("" : : "r"(result) : "memory"); }

inline double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

inline std::string format(const char* pattern, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, pattern, value);
  return buffer;
}

// Milliseconds with a sensible number of digits, seconds from 10 s on.
inline std::string milliseconds(double ms) {
  if (ms >= 10000) return format("%.1f s", ms / 1000);
  if (ms >= 100) return format("%.0f ms", ms);
  if (ms >= 10) return format("%.1f ms", ms);
  return format("%.2f ms", ms);
}

inline std::string megabytes(double bytes) { return format("%.1f MB", bytes / (1 << 20)); }

// One row of the table: what was measured, our figure, the peer's or the
// limit's figure from the same run, their ratio, the aim and whether it is met.
inline void print_row(std::string_view what, std::string_view ours, std::string_view peer, double ratio,
                      std::string_view aim, bool met) {
  std::printf("| %.*s | %.*s | %.*s | %.2f | %.*s | %s |\n", static_cast<int>(what.size()), what.data(),
              static_cast<int>(ours.size()), ours.data(), static_cast<int>(peer.size()), peer.data(), ratio,
              static_cast<int>(aim.size()), aim.data(), met ? "yes" : "**no**");
  std::fflush(stdout);
}

}  // namespace bench
