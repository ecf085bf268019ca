#include "platform/qt/qt_user_interface.h"

#include <QLabel>
#include <QMessageBox>
#include <QWidget>

#include "platform/cp1252.h"

namespace quenor {

QString QStringFromCp1252(std::string_view text) { return QString::fromStdString(Utf8FromCp1252(text)); }

std::string Cp1252FromQString(const QString& text) { return Cp1252FromUtf8(text.toStdString()); }

MessagePresenter MessageBoxPresenter(QWidget* parent) {
  return [parent](const QString& caption, const QString& text, MessageIcon icon) {
    QMessageBox::Icon picture = QMessageBox::Information;
    if (icon == MessageIcon::Stop) picture = QMessageBox::Critical;
    if (icon == MessageIcon::Warning) picture = QMessageBox::Warning;
    QMessageBox box(picture, caption, text, QMessageBox::Ok, parent);
    box.exec();
  };
}

QtUserInterface::QtUserInterface(QWidget& window, QLabel& statusText, WindowHost& host)
    : window_(window), statusText_(statusText), host_(host), presenter_(MessageBoxPresenter(&window)) {}

void QtUserInterface::ShowMessage(const std::string& caption, const std::string& text, MessageIcon icon) {
  presenter_(QStringFromCp1252(caption), QStringFromCp1252(text), icon);
}

void QtUserInterface::ShowStatus(const std::string& text) {
  statusText_.setText(QStringFromCp1252(text));
  // The work runs on this thread: the text must show before it goes on.
  statusText_.repaint();
}

void QtUserInterface::SetCaption(const std::string& text) { window_.setWindowTitle(QStringFromCp1252(text)); }

}  // namespace quenor
