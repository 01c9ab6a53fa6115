#include "editor/page/zoom.h"

namespace ed {

std::int32_t ZoomStepValue(std::int32_t step) {
  std::int32_t value = 35;
  for (std::int32_t n = 1; n < step && n < kZoomSteps; ++n) value += n + 1;
  return value;
}

Zoom ClampZoom(Zoom zoom) {
  if (zoom.percent > 100) return {100, kZoomSteps};
  if (zoom.percent < 36) return {35, 1};
  if (zoom.step != 0) return zoom;
  for (std::int32_t n = kZoomSteps; n >= 1; --n) {
    const std::int32_t lower = ZoomStepValue(n);
    if (lower > zoom.percent) continue;
    std::int32_t step = n;
    if (lower != zoom.percent && n < kZoomSteps && zoom.percent - lower >= (n + 1) / 2) step = n + 1;
    return {ZoomStepValue(step), step};
  }
  return {35, 1};
}

Zoom ZoomIn(Zoom zoom) {
  const Zoom z = ClampZoom(zoom);
  if (z.step + 1 > kZoomSteps) return {100, kZoomSteps};
  return {z.percent + z.step + 1, z.step + 1};
}

Zoom ZoomOut(Zoom zoom) {
  const Zoom z = ClampZoom(zoom);
  if (z.step - 1 < 1) return {35, 1};
  return {z.percent - z.step, z.step - 1};
}

}  // namespace ed
