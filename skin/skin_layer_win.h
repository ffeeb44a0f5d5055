// The skin layer as the application sees it (skin/skin_api.h).
#pragma once

#include <memory>

#include "skin/decode_ahead_win.h"
#include "skin/skin_api.h"

namespace skin {

class SkinLayer final : public SkinApi {
 public:
  void startup() override;
  void decode_ahead(std::vector<std::span<const std::uint8_t>> images) override;
  void shutdown() override;
  std::unique_ptr<SkinWindow> create_window() override;

 private:
  DecodeAhead ahead_;
};

}  // namespace skin
