// How many images, memory streams and DIB sections the skin layer has made and
// not yet released, so that tests can see that repeated work gives back what
// it takes. Touched on the user-interface thread only.
#pragma once

namespace skin {

struct LiveCounts {
  int images = 0;
  int streams = 0;
  int dib_sections = 0;
  friend bool operator==(const LiveCounts&, const LiveCounts&) = default;
};

LiveCounts& live_counts();

}  // namespace skin
