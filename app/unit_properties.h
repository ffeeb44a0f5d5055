// Typed reads and writes of unit properties. The host hands back whatever kind
// a property holds; the application wants a text or an int, converted the way
// the runtime converts values everywhere else.
#pragma once

#include <cstdint>

#include "host/host_api.h"

namespace app {

class UnitProperties {
 public:
  explicit UnitProperties(host::HostApi& host) : host_(host) {}

  host::Text text(const host::UnitRef& unit, int index, int array_index = -1);
  std::int32_t integer(const host::UnitRef& unit, int index, int array_index = -1);

  // The value is handed over to the host (a document's text is megabytes).
  void set(const host::UnitRef& unit, int index, host::Value value);
  void set(const host::UnitRef& unit, int index, int array_index, host::Value value);

 private:
  host::HostApi& host_;
};

}  // namespace app
