// What the atomic replacement costs under this platform: write_file against a
// plain in-place write (CREATE_ALWAYS, no flush), for a settings-sized file
// and for a 50 MB document, and read_file of the 50 MB document. Prints the
// median of several runs in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "host/services/encoding_win.h"
#include "host/services/files.h"

namespace {

double milliseconds_now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Run>
double median_milliseconds(int runs, Run run) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const double start = milliseconds_now();
    run();
    times.push_back(milliseconds_now() - start);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

bool write_in_place(const std::wstring& path, const host::Bytes& bytes) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  return CloseHandle(file) && ok;
}

}  // namespace

int main() {
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  const std::wstring folder = std::wstring(temp) + L"verbrook-files-bench";
  CreateDirectoryW(folder.c_str(), nullptr);
  const std::wstring small_path = folder + L"\\zelvorin.ini";
  const std::wstring big_path = folder + L"\\big.txt";
  const host::Bytes small(60, 'x');
  const host::Bytes big(50 << 20, 'y');

  const double small_atomic = median_milliseconds(21, [&] { host::write_file(host::wide_to_gb18030(small_path), small); });
  const double small_plain = median_milliseconds(21, [&] { write_in_place(small_path, small); });
  const double big_atomic = median_milliseconds(5, [&] { host::write_file(host::wide_to_gb18030(big_path), big); });
  const double big_plain = median_milliseconds(5, [&] { write_in_place(big_path, big); });
  const double big_read = median_milliseconds(5, [&] { host::read_file(host::wide_to_gb18030(big_path)); });

  std::printf("60 B file:  write_file %.2f ms, in-place write %.2f ms\n", small_atomic, small_plain);
  std::printf("50 MB file: write_file %.1f ms, in-place write %.1f ms, read_file %.1f ms\n", big_atomic, big_plain,
              big_read);
  DeleteFileW(small_path.c_str());
  DeleteFileW(big_path.c_str());
  RemoveDirectoryW(folder.c_str());
  return 0;
}
