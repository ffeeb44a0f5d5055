// A COM memory stream over a global memory block, for GDI+ to decode from (a
// copy of bytes) or encode into (an empty, growing block). It owns both the
// stream and, for a copy, the block, and releases them together.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace skin {

class HGlobalStream {
 public:
  HGlobalStream() = default;
  HGlobalStream(HGlobalStream&& other) noexcept;
  HGlobalStream& operator=(HGlobalStream&& other) noexcept;
  HGlobalStream(const HGlobalStream&) = delete;
  HGlobalStream& operator=(const HGlobalStream&) = delete;
  ~HGlobalStream() { release(); }

  // Releases the stream and frees the block it owns.
  void release() noexcept;
  // copy: a stream over a block holding a copy of the bytes (the bytes need
  // not outlive it); no copy: an empty stream to write into, the bytes unused.
  // Releases what was held first. Returns the stream, or null on failure.
  IStream* open(std::span<const std::uint8_t> bytes, bool copy);
  IStream* stream() const noexcept { return stream_; }
  // The size of the stream's contents in bytes.
  std::size_t size() const;
  // A copy of the stream's contents.
  std::vector<std::uint8_t> bytes() const;

  // Hands the block to a new owner, which frees it with GlobalFree once
  // nothing reads it any more; drops this object's stream reference. Only for
  // a copy (for an empty stream the stream itself owns its block).
  [[nodiscard]] HGLOBAL release_block() noexcept;

 private:
  HGLOBAL block_ = nullptr;  // owned by us only when `owns_block_`
  IStream* stream_ = nullptr;
  bool owns_block_ = false;
};

// Frees a block handed out by release_block().
void free_stream_block(HGLOBAL block) noexcept;

}  // namespace skin
