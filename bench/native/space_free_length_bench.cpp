// The space-free length of a 100 MB text against memchr scanning the same
// bytes for a byte that is not there: the statistics count whole documents.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>

#include "host/services/text.h"

namespace {

constexpr std::size_t kSize = 100 << 20;

// Mostly Chinese: GBK characters with some spaces of both widths and line breaks.
const std::string& chinese_text() {
  static const std::string text = [] {
    std::string t;
    t.reserve(kSize + 2);
    std::mt19937 random(1);
    while (t.size() < kSize) {
      const unsigned r = random() % 100;
      if (r < 3) t += ' ';
      else if (r < 5) t += "\xa1\xa1";
      else if (r < 7) t += "\r\n";
      else if (r < 12) t += static_cast<char>('a' + r);
      else t += {static_cast<char>(0xb0 + r % 0x40), static_cast<char>(0xa1 + r % 0x5e)};
    }
    t.resize(kSize);
    return t;
  }();
  return text;
}

// Mostly ASCII words.
const std::string& ascii_text() {
  static const std::string text = [] {
    std::string t;
    t.reserve(kSize + 16);
    std::mt19937 random(2);
    while (t.size() < kSize) t += (random() % 7 == 0) ? ' ' : static_cast<char>('a' + random() % 26);
    t.resize(kSize);
    return t;
  }();
  return text;
}

void run_space_free_length(benchmark::State& state, const std::string& text) {
  for (auto _ : state) benchmark::DoNotOptimize(host::space_free_length(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void run_memchr(benchmark::State& state, const std::string& text) {
  for (auto _ : state) benchmark::DoNotOptimize(std::memchr(text.data(), 0x01, text.size()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_SpaceFreeLengthChinese(benchmark::State& state) { run_space_free_length(state, chinese_text()); }
void BM_SpaceFreeLengthAscii(benchmark::State& state) { run_space_free_length(state, ascii_text()); }
void BM_MemchrChinese(benchmark::State& state) { run_memchr(state, chinese_text()); }
void BM_MemchrAscii(benchmark::State& state) { run_memchr(state, ascii_text()); }

BENCHMARK(BM_SpaceFreeLengthChinese)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemchrChinese)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpaceFreeLengthAscii)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemchrAscii)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
