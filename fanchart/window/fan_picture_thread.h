#pragma once
// The explored fan chart drawn on a thread of its own, so that the window
// never waits for it: the window asks for a view and goes on answering the
// user; the picture comes back when it is drawn. A request made while
// another is waiting replaces it, so that the pictures follow the user
// without falling behind.
#include <QImage>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "fanchart/fan_view.h"
#include "fanchart/window/fan_view_renderer.h"

namespace quenor {

struct FanPictureRequest {
  FanLayout layout;
  FanViewport view;          // in the window's pixels
  double pixelRatio = 1.0;   // device pixels per window pixel: the picture is drawn that much finer
  std::shared_ptr<const FanViewContent> content;
  std::vector<FanFill> fills;
  FanViewRenderer::Detail detail = FanViewRenderer::Detail::Full;
  std::uint64_t serial = 0;  // the asker's, handed back with the picture
};

struct FanPicture {
  QImage image;      // of the view's size in window pixels, at the pixel ratio asked for
  FanViewport view;  // as asked for
  FanViewRenderer::Detail detail = FanViewRenderer::Detail::Full;
  std::uint64_t serial = 0;
};

class FanPictureThread {
 public:
  // `drawn` is called on the drawing thread with each picture.
  using Drawn = std::function<void(const FanPicture& picture)>;
  explicit FanPictureThread(Drawn drawn);
  // Waits for the picture being drawn, if any; the one waiting is dropped.
  ~FanPictureThread();
  FanPictureThread(const FanPictureThread&) = delete;
  FanPictureThread& operator=(const FanPictureThread&) = delete;

  void Request(FanPictureRequest request);

 private:
  void Run();

  Drawn drawn_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::optional<FanPictureRequest> waiting_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace quenor
