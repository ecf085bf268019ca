#pragma once
// The isotropic logical-to-device mapping shared by every canvas: window and
// viewport extents and origins, the viewport extent cut on one axis so that
// both axes have the same scale (square device pixels).
#include "platform/canvas.h"

namespace quenor {

class IsotropicMapping {
 public:
  void SetWindowExtent(int cx, int cy);
  void SetWindowOrigin(int x, int y) { windowOrigin_ = {x, y}; }
  void SetViewportExtent(int cx, int cy);
  void SetViewportOrigin(int x, int y) { viewportOrigin_ = {x, y}; }

  CanvasPoint WindowExtent() const { return windowExtent_; }
  CanvasPoint ViewportExtent() const { return viewportExtent_; }
  CanvasPoint WindowOrigin() const { return windowOrigin_; }
  CanvasPoint ViewportOrigin() const { return viewportOrigin_; }

  // Device coordinates, unrounded.
  double DeviceX(double logicalX) const;
  double DeviceY(double logicalY) const;
  // Device units per logical unit on each axis (signed).
  double ScaleX() const { return static_cast<double>(viewportExtent_.x) / windowExtent_.x; }
  double ScaleY() const { return static_cast<double>(viewportExtent_.y) / windowExtent_.y; }
  // Rounded to the nearest logical unit.
  CanvasPoint DeviceToLogical(CanvasPoint device) const;

 private:
  void KeepIsotropic();

  CanvasPoint windowExtent_{1, 1};
  CanvasPoint windowOrigin_{0, 0};
  CanvasPoint viewportExtent_{1, 1};
  CanvasPoint viewportOrigin_{0, 0};
};

}  // namespace quenor
