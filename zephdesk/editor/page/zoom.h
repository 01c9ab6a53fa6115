#pragma once
// The page canvas's zoom: a percent and its step on the 11-step scale (35 to 100
// percent, each step n+1 the value of step n plus n+1; step 0 = a free percent off the
// scale, as the Set Zoom dialog leaves it).

#include <cstdint>

namespace ed {

struct Zoom {
  std::int32_t percent = 100;
  std::int32_t step = 11;
  friend bool operator==(const Zoom&, const Zoom&) = default;
};

inline constexpr std::int32_t kZoomSteps = 11;
// The percent of step 1 to 11.
std::int32_t ZoomStepValue(std::int32_t step);

// Maps a zoom onto the scale: above 100 is 100 (step 11), below 36 is 35 (step 1); a free
// percent in between takes the nearest step by the scale's rounding rule (the upper step
// from half the gap on); a zoom that already has its step stays as it is.
Zoom ClampZoom(Zoom zoom);
// The frame's zoom commands: one step up or down from the clamped zoom, bounded to the
// ends of the scale.
Zoom ZoomIn(Zoom zoom);
Zoom ZoomOut(Zoom zoom);

}  // namespace ed
