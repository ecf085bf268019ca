#include "fanchart/window/fan_picture_thread.h"

#include <utility>

#include "platform/qt/qpainter_canvas.h"

namespace quenor {

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
    const QImage& image =
        renderer.Render(request.layout, request.view, *request.content, request.fills, request.detail);
    // The renderer draws into its image again next time: the picture handed
    // over is a copy of its own.
    drawn_(FanPicture{image.copy(), request.view, request.detail, request.serial});
  }
}

}  // namespace quenor
