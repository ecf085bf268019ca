#include "platform/qt/dash_pattern.h"

#include <algorithm>

namespace quenor {
namespace {

constexpr int kScreenDpi = 96;

}  // namespace

QList<qreal> DashPatternFor(const QPaintDevice* device, bool dotted, double widthInPixels) {
  const int dpi = device != nullptr ? device->logicalDpiX() : kScreenDpi;
  const double unit = std::max(1.0, static_cast<double>(dpi) / kScreenDpi) / std::max(widthInPixels, 1.0);
  if (dotted) return {1.0 * unit, 2.0 * unit};
  return {4.0 * unit, 2.0 * unit};
}

}  // namespace quenor
