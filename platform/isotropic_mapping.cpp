#include "platform/isotropic_mapping.h"

#include <cmath>

namespace quenor {

void IsotropicMapping::SetWindowExtent(int cx, int cy) {
  if (cx == 0 || cy == 0) return;  // refused, as a zero extent has no scale
  windowExtent_ = {cx, cy};
  KeepIsotropic();
}

void IsotropicMapping::SetViewportExtent(int cx, int cy) {
  if (cx == 0 || cy == 0) return;
  viewportExtent_ = {cx, cy};
  KeepIsotropic();
}

// The axis with the larger scale is brought down to the other one.
void IsotropicMapping::KeepIsotropic() {
  const double xScale = std::fabs(ScaleX());
  const double yScale = std::fabs(ScaleY());
  if (xScale > yScale) {
    const int sign = viewportExtent_.x >= 0 ? 1 : -1;
    viewportExtent_.x = static_cast<int>(std::floor(viewportExtent_.x * yScale / xScale + 0.5));
    if (viewportExtent_.x == 0) viewportExtent_.x = sign;
  } else if (yScale > xScale) {
    const int sign = viewportExtent_.y >= 0 ? 1 : -1;
    viewportExtent_.y = static_cast<int>(std::floor(viewportExtent_.y * xScale / yScale + 0.5));
    if (viewportExtent_.y == 0) viewportExtent_.y = sign;
  }
}

double IsotropicMapping::DeviceX(double logicalX) const {
  return (logicalX - windowOrigin_.x) * ScaleX() + viewportOrigin_.x;
}

double IsotropicMapping::DeviceY(double logicalY) const {
  return (logicalY - windowOrigin_.y) * ScaleY() + viewportOrigin_.y;
}

CanvasPoint IsotropicMapping::DeviceToLogical(CanvasPoint device) const {
  const double x = (device.x - viewportOrigin_.x) / ScaleX() + windowOrigin_.x;
  const double y = (device.y - viewportOrigin_.y) / ScaleY() + windowOrigin_.y;
  return {static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y))};
}

}  // namespace quenor
