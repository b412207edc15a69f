#include "ui/notice.h"

#include <QMessageBox>

namespace hm::ui {

namespace {
bool g_recording = false;

void show(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const QString& text) {
  if (g_recording) {
    RecordedMessageBoxes().append(caption + "|" + text);
    return;
  }
  QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
  box.exec();
}
}  // namespace

QString AppTitle() {
  return QStringLiteral("衡木命理");
}

void ShowNotice(QWidget* parent, const QString& text) {
  show(parent, QMessageBox::Information, QStringLiteral("提示"), text);
}

void ShowErrorBox(QWidget* parent, const QString& text) {
  show(parent, QMessageBox::Critical, AppTitle(), text);
}

void ShowMessage(QWidget* parent, const QString& text) {
  show(parent, QMessageBox::NoIcon, AppTitle(), text);
}

void ShowCaptioned(QWidget* parent, const QString& caption, const QString& text) {
  show(parent, QMessageBox::Information, caption, text);
}

void RecordMessageBoxes(bool on) {
  g_recording = on;
  RecordedMessageBoxes().clear();
}

QStringList& RecordedMessageBoxes() {
  static QStringList list;
  return list;
}

}  // namespace hm::ui
