// The layout, every number in decimal and every line ended by CR LF:
//   Verbrook recovery copy 1
//   encoding <n>
//   written <days since 1899-12-30, exactly as held>
//   file <byte count>
//   <the file name's bytes>
//   text <byte count>
//   <the text's bytes>
//   checksum <FNV-1a of every byte before this line, 16 hex digits>
#include "host/services/recovery_copy.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace host {
namespace {

constexpr std::string_view kFirstLine = "Verbrook recovery copy 1";
constexpr std::string_view kLineEnd = "\r\n";

std::string hex_of(std::uint64_t value) {
  char digits[17];
  std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(value));
  return digits;
}

void put_line(std::string& out, std::string_view name, std::string_view value) {
  out.append(name).append(" ").append(value).append(kLineEnd);
}

void put_block(std::string& out, std::string_view name, std::string_view bytes) {
  put_line(out, name, std::to_string(bytes.size()));
  out.append(bytes).append(kLineEnd);
}

// Reads the layout front to back; any difference stops it.
class Reader {
 public:
  explicit Reader(std::string_view bytes) : rest_(bytes) {}

  bool literal(std::string_view expected) {
    if (!rest_.starts_with(expected)) return false;
    rest_.remove_prefix(expected.size());
    return true;
  }

  // "<name> <value>\r\n": the value.
  std::optional<std::string_view> line(std::string_view name) {
    if (!literal(name) || !literal(" ")) return std::nullopt;
    const std::size_t end = rest_.find(kLineEnd);
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view value = rest_.substr(0, end);
    rest_.remove_prefix(end + kLineEnd.size());
    return value;
  }

  template <class Number>
  std::optional<Number> number(std::string_view name) {
    const std::optional<std::string_view> value = line(name);
    Number number{};
    if (!value || value->empty()) return std::nullopt;
    const auto [end, error] = std::from_chars(value->data(), value->data() + value->size(), number);
    if (error != std::errc() || end != value->data() + value->size()) return std::nullopt;
    return number;
  }

  std::optional<std::string_view> block(std::string_view name) {
    const std::optional<std::size_t> size = number<std::size_t>(name);
    if (!size || *size > rest_.size()) return std::nullopt;
    const std::string_view bytes = rest_.substr(0, *size);
    rest_.remove_prefix(*size);
    if (!literal(kLineEnd)) return std::nullopt;
    return bytes;
  }

  std::size_t remaining() const { return rest_.size(); }

 private:
  std::string_view rest_;
};

}  // namespace

std::uint64_t checksum_of(std::string_view bytes) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char byte : bytes) {
    hash ^= static_cast<unsigned char>(byte);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

std::string recovery_copy_bytes(const RecoveryCopy& copy) {
  std::string out;
  out.reserve(copy.text.size() + copy.file_name.size() + 160);
  out.append(kFirstLine).append(kLineEnd);
  put_line(out, "encoding", std::to_string(static_cast<int>(copy.encoding)));
  char days[40];
  std::snprintf(days, sizeof days, "%.17g", copy.written_at.days);
  put_line(out, "written", days);
  put_block(out, "file", copy.file_name);
  put_block(out, "text", copy.text);
  put_line(out, "checksum", hex_of(checksum_of(out)));
  return out;
}

std::optional<RecoveryCopy> read_recovery_copy(std::string_view bytes) {
  Reader reader(bytes);
  if (!reader.literal(kFirstLine) || !reader.literal(kLineEnd)) return std::nullopt;
  const std::optional<int> encoding = reader.number<int>("encoding");
  const std::optional<std::string_view> written = reader.line("written");
  const std::optional<std::string_view> file_name = reader.block("file");
  const std::optional<std::string_view> text = reader.block("text");
  if (!encoding || !written || !file_name || !text) return std::nullopt;
  if (*encoding < 0 || *encoding > static_cast<int>(DocumentEncoding::Utf16BeWithMark)) return std::nullopt;
  const std::string_view checked = bytes.substr(0, bytes.size() - reader.remaining());
  if (reader.line("checksum") != hex_of(checksum_of(checked)) || reader.remaining() != 0) return std::nullopt;
  // strtod rather than from_chars: the MinGW library has no floating from_chars.
  const std::string written_text(*written);
  char* end = nullptr;
  const double days = std::strtod(written_text.c_str(), &end);
  if (end != written_text.c_str() + written_text.size()) return std::nullopt;
  return RecoveryCopy{Text(*text), Text(*file_name), static_cast<DocumentEncoding>(*encoding), DateTime{days}};
}

}  // namespace host
