#include "fanchart/window/fan_picture_thread.h"

#include <cmath>
#include <utility>

#include "platform/qt/qpainter_canvas.h"

namespace quenor {
namespace {

// The same view in device pixels: as many more pixels, the same middle.
FanViewport DeviceView(const FanViewport& view, double pixelRatio) {
  if (pixelRatio == 1.0) return view;
  FanViewport device = ResizeFanView(view, static_cast<int>(std::lround(view.width * pixelRatio)),
                                     static_cast<int>(std::lround(view.height * pixelRatio)));
  device.zoom = view.zoom * pixelRatio;
  return device;
}

}  // namespace

FanPictureThread::FanPictureThread(Drawn drawn) : drawn_(std::move(drawn)) {
  // The font tables are changed here, before the thread reads them.
  InstallFontSubstitutions();
  thread_ = std::thread([this] { Run(); });
}

FanPictureThread::~FanPictureThread() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
    waiting_.reset();
  }
  wake_.notify_one();
  thread_.join();
}

void FanPictureThread::Request(FanPictureRequest request) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    waiting_ = std::move(request);
  }
  wake_.notify_one();
}

void FanPictureThread::Run() {
  // Its own image, painter and fonts: nothing is shared with the window
  // but the content, which nobody changes.
  FanViewRenderer renderer;
  for (;;) {
    FanPictureRequest request;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      wake_.wait(lock, [this] { return stopping_ || waiting_.has_value(); });
      if (stopping_) return;
      request = std::move(*waiting_);
      waiting_.reset();
    }
    const QImage& image = renderer.Render(request.layout, DeviceView(request.view, request.pixelRatio),
                                          *request.content, request.fills, request.detail);
    // The renderer draws into its image again next time: the picture handed
    // over is a copy of its own.
    QImage picture = image.copy();
    picture.setDevicePixelRatio(request.pixelRatio);
    drawn_(FanPicture{std::move(picture), request.view, request.detail, request.serial});
  }
}

}  // namespace quenor
