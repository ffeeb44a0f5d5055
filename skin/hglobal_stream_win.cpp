#include "skin/hglobal_stream_win.h"

#include <cstring>

#include "host/services/handles_win.h"
#include "skin/live_counts.h"

namespace skin {

HGlobalStream::HGlobalStream(HGlobalStream&& other) noexcept
    : block_(std::exchange(other.block_, nullptr)),
      stream_(std::exchange(other.stream_, nullptr)),
      owns_block_(std::exchange(other.owns_block_, false)) {}

HGlobalStream& HGlobalStream::operator=(HGlobalStream&& other) noexcept {
  if (this != &other) {
    release();
    block_ = std::exchange(other.block_, nullptr);
    stream_ = std::exchange(other.stream_, nullptr);
    owns_block_ = std::exchange(other.owns_block_, false);
  }
  return *this;
}

void HGlobalStream::release() noexcept {
  // The stream first: it reads from the block.
  if (stream_) {
    std::exchange(stream_, nullptr)->Release();
    --live_counts().streams;
  }
  if (block_ && owns_block_) GlobalFree(block_);
  block_ = nullptr;
  owns_block_ = false;
}

IStream* HGlobalStream::open(std::span<const std::uint8_t> bytes, bool copy) {
  release();
  // Movable blocks, as CreateStreamOnHGlobal requires.
  host::OwnedGlobal block(GlobalAlloc(GMEM_MOVEABLE, copy ? bytes.size() : 0));
  if (!block) return nullptr;
  if (copy && !bytes.empty()) {
    const host::LockedGlobal locked(block.get());
    if (!locked.data()) return nullptr;
    std::memcpy(locked.data(), bytes.data(), bytes.size());
  }
  // An empty stream owns its block (it reallocates it while growing); a copy's
  // block is ours, so that it can outlive this object if need be.
  IStream* stream = nullptr;
  if (FAILED(CreateStreamOnHGlobal(block.get(), copy ? FALSE : TRUE, &stream))) return nullptr;
  block_ = block.release();
  stream_ = stream;
  owns_block_ = copy;
  ++live_counts().streams;
  return stream_;
}

std::size_t HGlobalStream::size() const {
  STATSTG stat{};
  if (!stream_ || FAILED(stream_->Stat(&stat, STATFLAG_NONAME))) return 0;
  return static_cast<std::size_t>(stat.cbSize.QuadPart);
}

std::vector<std::uint8_t> HGlobalStream::bytes() const {
  std::vector<std::uint8_t> copy(size());
  HGLOBAL block = nullptr;
  if (copy.empty() || FAILED(GetHGlobalFromStream(stream_, &block))) return {};
  const host::LockedGlobal locked(block);
  if (!locked.data()) return {};
  std::memcpy(copy.data(), locked.data(), copy.size());
  return copy;
}

HGLOBAL HGlobalStream::release_block() noexcept {
  if (!owns_block_) return nullptr;
  if (stream_) std::exchange(stream_, nullptr)->Release();
  // The block is still live, now under its new owner: still counted.
  owns_block_ = false;
  return std::exchange(block_, nullptr);
}

void free_stream_block(HGLOBAL block) noexcept {
  if (!block) return;
  GlobalFree(block);
  --live_counts().streams;
}

}  // namespace skin
