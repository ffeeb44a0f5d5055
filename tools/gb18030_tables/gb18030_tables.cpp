// Writes the tables of the program's GB18030 codec (host/services/gb18030),
// run at build time on the build machine:
//  - code page 936's two-byte part, read from the dump the platform made of
//    it (host/services/data/cp936_two_bytes.bin, written under Wine by
//    tools/cp936_table), never from iconv, whose GBK and GB18030 tables
//    differ from code page 936;
//  - GB18030's four-byte forms of the Basic Multilingual Plane, from the
//    build machine's iconv, for the characters code page 936 has no bytes
//    for, as ranges in which the four-byte index and the code point rise
//    together.
// GB18030 gives a few characters two-byte codes that code page 936 spends on
// private-use characters (A6 D9 is a vertical form in GB18030 and U+E78D in
// 936). Such a character takes the four-byte code GB18030 gives that
// private-use character, which 936 has two bytes for: the character's code
// in GB18030's first edition.
// Usage: gb18030_tables <cp936_two_bytes.bin> <output .inc>
#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int kLeads = 126;   // 0x81-0xFE
constexpr int kTrails = 190;  // 0x40-0xFE without 0x7F
constexpr std::uint32_t kEuro = 0x20AC;

std::vector<std::uint16_t> read_two_bytes(const char* path) {
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() != 2u * kLeads * kTrails) throw std::runtime_error("the code page 936 dump has the wrong size");
  std::vector<std::uint16_t> units;
  for (std::size_t i = 0; i < bytes.size(); i += 2)
    units.push_back(static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[i]) |
                                               static_cast<unsigned char>(bytes[i + 1]) << 8));
  return units;
}

class Gb18030 {
 public:
  Gb18030() : to_(iconv_open("GB18030", "UTF-32LE")), from_(iconv_open("UTF-32LE", "GB18030")) {
    if (to_ == reinterpret_cast<iconv_t>(-1) || from_ == reinterpret_cast<iconv_t>(-1))
      throw std::runtime_error("iconv has no GB18030");
  }
  ~Gb18030() {
    iconv_close(to_);
    iconv_close(from_);
  }
  std::string encode(std::uint32_t code) const {
    std::array<char, 4> in{};
    for (int i = 0; i < 4; ++i) in[i] = static_cast<char>(code >> (8 * i));
    return convert(to_, std::string(in.data(), 4));
  }
  std::uint32_t decode(const std::string& bytes) const {
    const std::string units = convert(from_, bytes);
    if (units.size() != 4) return 0;
    std::uint32_t code = 0;
    for (int i = 3; i >= 0; --i) code = code << 8 | static_cast<unsigned char>(units[i]);
    return code;
  }

 private:
  static std::string convert(iconv_t converter, std::string in) {
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    char out[16];
    char* in_at = in.data();
    std::size_t in_left = in.size();
    char* out_at = out;
    std::size_t out_left = sizeof out;
    if (iconv(converter, &in_at, &in_left, &out_at, &out_left) == static_cast<std::size_t>(-1)) return {};
    return std::string(out, sizeof out - out_left);
  }

  iconv_t to_;
  iconv_t from_;
};

std::uint32_t linear_of(const std::string& four) {
  const auto b = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(four[i])); };
  return (((b(0) - 0x81) * 10 + (b(1) - 0x30)) * 126 + (b(2) - 0x81)) * 10 + (b(3) - 0x30);
}

struct Range {
  std::uint32_t linear;
  std::uint32_t code;
  std::uint32_t count;
};

std::vector<Range> ranges_of(const std::map<std::uint32_t, std::uint32_t>& pairs) {
  std::vector<Range> ranges;
  for (const auto& [linear, code] : pairs) {
    if (!ranges.empty() && ranges.back().linear + ranges.back().count == linear &&
        ranges.back().code + ranges.back().count == code) {
      ++ranges.back().count;
    } else {
      ranges.push_back({linear, code, 1});
    }
  }
  return ranges;
}

}  // namespace

int main(int argc, char** argv) try {
  if (argc != 3) throw std::runtime_error("usage: gb18030_tables <cp936_two_bytes.bin> <output .inc>");
  const std::vector<std::uint16_t> two_bytes = read_two_bytes(argv[1]);
  std::map<std::uint32_t, int> in_936;  // code point -> index of its pair
  for (int index = 0; index < kLeads * kTrails; ++index) {
    const std::uint16_t unit = two_bytes[static_cast<std::size_t>(index)];
    if (unit == 0) continue;
    if (unit < 0x80 || unit == kEuro || (unit >= 0xD800 && unit <= 0xDFFF) || !in_936.emplace(unit, index).second)
      throw std::runtime_error("the code page 936 dump maps a pair to a character that has other bytes");
  }

  const Gb18030 gb18030;
  std::map<std::uint32_t, std::uint32_t> four_bytes;  // linear index -> code point
  std::map<std::uint32_t, std::uint32_t> linear_of_code;
  const auto assign = [&](std::uint32_t linear, std::uint32_t code) {
    if (!four_bytes.emplace(linear, code).second) throw std::runtime_error("two characters for one four-byte code");
    linear_of_code[code] = linear;
  };
  std::vector<std::uint32_t> without_four_bytes;
  for (std::uint32_t code = 0x80; code <= 0xFFFF; ++code) {
    if ((code >= 0xD800 && code <= 0xDFFF) || code == kEuro || in_936.contains(code)) continue;
    const std::string bytes = gb18030.encode(code);
    if (bytes.size() == 4) {
      assign(linear_of(bytes), code);
    } else {
      without_four_bytes.push_back(code);
    }
  }
  for (const std::uint32_t code : without_four_bytes) {
    // GB18030 gives it two bytes that 936 spends on a private-use character:
    // that character's four bytes, when it has them, are free.
    const std::string bytes = gb18030.encode(code);
    std::string four;
    if (bytes.size() == 2) {
      const auto lead = static_cast<unsigned char>(bytes[0]);
      const auto trail = static_cast<unsigned char>(bytes[1]);
      const int index = (lead - 0x81) * kTrails + (trail - 0x40) - (trail > 0x7F ? 1 : 0);
      if (const std::uint16_t occupant = two_bytes[static_cast<std::size_t>(index)]) four = gb18030.encode(occupant);
    }
    if (four.size() == 4) {
      assign(linear_of(four), code);
      continue;
    }
    // Otherwise the code it had among its neighbours in GB18030's first
    // edition, which the current one leaves unassigned.
    const auto below = linear_of_code.lower_bound(code);
    if (below == linear_of_code.begin()) throw std::runtime_error("no four-byte neighbour below U+" + std::to_string(code));
    const auto& [neighbour, neighbour_linear] = *std::prev(below);
    const std::uint32_t linear = neighbour_linear + (code - neighbour);
    std::string candidate;
    for (std::uint32_t rest = linear, i = 0; i < 4; ++i) {
      const std::uint32_t radix = i % 2 == 0 ? 10 : 126;
      candidate.insert(candidate.begin(), static_cast<char>((i % 2 == 0 ? 0x30 : 0x81) + rest % radix));
      rest /= radix;
    }
    if (gb18030.decode(candidate) != 0) throw std::runtime_error("the first edition's code of U+" + std::to_string(code) + " is taken");
    assign(linear, code);
  }
  std::vector<Range> by_linear = ranges_of(four_bytes);
  std::vector<Range> by_code = by_linear;
  std::sort(by_code.begin(), by_code.end(), [](const Range& a, const Range& b) { return a.code < b.code; });

  FILE* out = std::fopen(argv[2], "w");
  if (!out) throw std::runtime_error("cannot write the tables");
  std::fprintf(out, "// Generated by tools/gb18030_tables at build time; do not edit.\n");
  std::fprintf(out, "inline constexpr std::uint16_t kTwoByteUnits[%d] = {\n", kLeads * kTrails);
  for (int index = 0; index < kLeads * kTrails; ++index)
    std::fprintf(out, "0x%04X,%s", two_bytes[static_cast<std::size_t>(index)], index % kTrails == kTrails - 1 ? "\n" : "");
  std::fprintf(out, "};\n");
  for (const auto& [name, ranges] : {std::pair{"kFourByteRangesByIndex", &by_linear}, std::pair{"kFourByteRangesByCode", &by_code}}) {
    std::fprintf(out, "inline constexpr FourByteRange %s[%zu] = {\n", name, ranges->size());
    for (const Range& range : *ranges) std::fprintf(out, "{%u, 0x%04X, %u},\n", range.linear, range.code, range.count);
    std::fprintf(out, "};\n");
  }
  if (std::fclose(out) != 0) throw std::runtime_error("cannot write the tables");
  std::printf("gb18030_tables: %zu two-byte characters, %zu four-byte ranges\n", in_936.size(), by_linear.size());
  return 0;
} catch (const std::exception& error) {
  std::fprintf(stderr, "gb18030_tables: %s\n", error.what());
  return 1;
}
