// Writes code page 936's two-byte part as the platform defines it, for the
// program's GB18030 codec: for each lead byte 0x81-0xFE and trail byte
// 0x40-0xFE (without 0x7F), in that order, the UTF-16 unit the platform
// decodes the pair to (little-endian), or 0 when it decodes it to nothing.
// Run under Wine by `make cp936-table`; the Windows tests check the written
// table against the platform on every run.
// Usage: cp936_table.exe <output file>
#include <windows.h>

#include <cstdio>
#include <vector>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: cp936_table <output file>\n");
    return 2;
  }
  std::vector<unsigned char> table;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      if (trail == 0x7F) continue;
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      wchar_t decoded[2] = {};
      const int units = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, pair, 2, decoded, 2);
      const unsigned unit = units == 1 ? decoded[0] : 0;
      table.push_back(static_cast<unsigned char>(unit & 0xFF));
      table.push_back(static_cast<unsigned char>(unit >> 8));
    }
  }
  FILE* out = _wfopen(argv[1], L"wb");
  if (!out || std::fwrite(table.data(), 1, table.size(), out) != table.size() || std::fclose(out) != 0) {
    std::fprintf(stderr, "cannot write the table\n");
    return 1;
  }
  return 0;
}
