#include "skin/live_counts.h"

namespace skin {

LiveCounts& live_counts() {
  static LiveCounts counts;
  return counts;
}

}  // namespace skin
