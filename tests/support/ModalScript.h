// Acts on modal windows as they come up, for workflows whose windows run their own event loop.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

namespace gw::test {

// Each step runs, on a short timer, until it returns true; then the next one takes over.
class ModalScript {
 public:
  explicit ModalScript(std::vector<std::function<bool()>> steps) : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (next_ < steps_.size() && steps_[next_]()) ++next_;
    });
    timer_.start(5);
  }
  bool Finished() const { return next_ == steps_.size(); }

  // The visible top-level window of type T, or null.
  template <typename T>
  static T* Visible() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* found = qobject_cast<T*>(w); found && found->isVisible()) return found;
    return nullptr;
  }

 private:
  std::vector<std::function<bool()>> steps_;
  size_t next_ = 0;
  QTimer timer_;
};

}  // namespace gw::test
