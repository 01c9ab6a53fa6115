#include "editor/page/units.h"

namespace ed {
namespace {

// 64-bit products so that large pages cannot overflow; the division truncates toward 0
// as the stored coordinates expect.
std::int32_t ToCanvas(std::int32_t v, std::int32_t scale) {
  return static_cast<std::int32_t>((static_cast<std::int64_t>(v) * scale + 4096) / 8192);
}

std::int32_t ToPage(std::int32_t v, std::int32_t scale) {
  if (scale == 0) return 0;
  return static_cast<std::int32_t>((static_cast<std::int64_t>(v) * 8192 + scale / 2) / scale);
}

}  // namespace

CanvasScale CanvasScale::FromFont(std::int32_t lettersWidth, std::int32_t charHeight) {
  return {lettersWidth / 52 * 1024, charHeight * 1024};
}

std::int32_t CanvasScale::PageToCanvasX(std::int32_t x) const { return ToCanvas(x, sx); }
std::int32_t CanvasScale::PageToCanvasY(std::int32_t y) const { return ToCanvas(y, sy); }
std::int32_t CanvasScale::CanvasToPageX(std::int32_t x) const { return ToPage(x, sx); }
std::int32_t CanvasScale::CanvasToPageY(std::int32_t y) const { return ToPage(y, sy); }

Rect CanvasScale::CanvasToPage(const Rect& r) const {
  return {CanvasToPageX(r.left), CanvasToPageY(r.top), CanvasToPageX(r.right), CanvasToPageY(r.bottom)};
}

Rect CanvasScale::PageToCanvas(const Rect& r) const {
  return {PageToCanvasX(r.left), PageToCanvasY(r.top), PageToCanvasX(r.right), PageToCanvasY(r.bottom)};
}

std::int32_t CanvasToDevice(std::int32_t v, std::int32_t percent) {
  return static_cast<std::int32_t>(static_cast<std::int64_t>(v) * percent / 100);
}

std::int32_t DeviceToCanvas(std::int32_t v, std::int32_t percent) {
  if (percent <= 0) return v;
  return static_cast<std::int32_t>(static_cast<std::int64_t>(v) * 100 / percent);
}

}  // namespace ed
