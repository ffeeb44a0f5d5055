// The GB18030 codec under Windows: 10 MB of a GBK manuscript to UTF-16 and
// back as the program converts it (to and from std::wstring), against the
// platform's own MultiByteToWideChar and WideCharToMultiByte of code page
// 936 doing the same into new strings, in the same run.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/common/codec_timing.h"
#include "host/services/encoding_win.h"

namespace {

std::wstring platform_to_wide(const std::string& text) {
  const int length = MultiByteToWideChar(936, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(936, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string platform_to_gbk(const std::wstring& wide) {
  const int length =
      WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length, nullptr, nullptr);
  return text;
}

}  // namespace

int main() {
  const std::string text = bench::gbk_document(bench::kCodecDocumentBytes);
  std::wstring ours_wide, platform_wide;
  std::string ours_text, platform_text;
  const double ours_decode = bench::best_ms([&] { ours_wide = host::gb18030_to_wide(text); });
  const double platform_decode = bench::best_ms([&] { platform_wide = platform_to_wide(text); });
  const double ours_encode = bench::best_ms([&] { ours_text = host::wide_to_gb18030(ours_wide); });
  const double platform_encode = bench::best_ms([&] { platform_text = platform_to_gbk(platform_wide); });
  if (ours_wide != platform_wide || ours_text != text || platform_text != text) return 1;
  std::printf("10 MB GBK manuscript: to UTF-16 %.1f ms (code page 936: %.1f ms), back %.1f ms (code page 936: %.1f ms)\n",
              ours_decode, platform_decode, ours_encode, platform_encode);
  bench::print_row("10 MB of GBK text to UTF-16, under Wine", bench::milliseconds(ours_decode),
                   "MultiByteToWideChar(936) " + bench::milliseconds(platform_decode), ours_decode / platform_decode,
                   "no slower", ours_decode <= platform_decode);
  bench::print_row("10 MB of UTF-16 text to GBK, under Wine", bench::milliseconds(ours_encode),
                   "WideCharToMultiByte(936) " + bench::milliseconds(platform_encode), ours_encode / platform_encode,
                   "no slower", ours_encode <= platform_encode);
  return 0;
}
