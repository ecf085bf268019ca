#include "fanchart/window/run_input_guard.h"

#include <QCoreApplication>
#include <QEvent>

namespace quenor {
namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

}  // namespace

RunInputGuard::RunInputGuard() { QCoreApplication::instance()->installEventFilter(this); }

RunInputGuard::~RunInputGuard() { QCoreApplication::instance()->removeEventFilter(this); }

bool RunInputGuard::Allowed(QObject* watched) const {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget) return true;
  QWidget* window = widget->window();
  for (const QPointer<QWidget>& allowed : allowed_) {
    if (allowed && allowed == window) return true;
  }
  return false;
}

bool RunInputGuard::eventFilter(QObject* watched, QEvent* event) {
  if (IsUserInput(event->type()) && !Allowed(watched)) return true;
  if (event->type() == QEvent::Close && !Allowed(watched)) {
    event->ignore();  // the main window stays until the run ends
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace quenor
