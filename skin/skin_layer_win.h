// The skin layer as the application sees it (skin/skin_api.h).
#pragma once

#include <memory>

#include "skin/skin_api.h"

namespace skin {

class SkinLayer final : public SkinApi {
 public:
  void startup() override;
  void shutdown() override;
  std::unique_ptr<SkinWindow> create_window() override;
};

}  // namespace skin
