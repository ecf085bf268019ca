#pragma once
// The explored fan chart drawn in full detail on a thread of its own, so
// that the window never waits for it: the window asks for a view and goes
// on answering the user; the picture comes back when it is drawn. A request
// made while another is waiting replaces it, so that only the view the user
// stopped on is drawn.
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

namespace quenor {

struct FanPictureRequest {
  FanLayout layout;
  FanViewport view;
  std::shared_ptr<const FanViewContent> content;
  std::vector<FanFill> fills;
  std::uint64_t serial = 0;  // the asker's, handed back with the picture
};

class FanFullRenderer {
 public:
  // `drawn` is called on the drawing thread with each picture and the
  // serial of its request.
  using Drawn = std::function<void(const QImage& picture, std::uint64_t serial)>;
  explicit FanFullRenderer(Drawn drawn);
  // Waits for the picture being drawn, if any; the one waiting is dropped.
  ~FanFullRenderer();
  FanFullRenderer(const FanFullRenderer&) = delete;
  FanFullRenderer& operator=(const FanFullRenderer&) = delete;

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
