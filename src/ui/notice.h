// Message boxes shared by every window, with a test hook so window tests
// never block on a modal box.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace hm::ui {

// The application title, the caption of error boxes and plain messages.
QString AppTitle();

// A message box captioned "提示" with an information icon and an OK button.
void ShowNotice(QWidget* parent, const QString& text);
// The error box captioned with the application title (conversion errors,
// store failures that reach the user).
void ShowErrorBox(QWidget* parent, const QString& text);
// The plain message dialog captioned with the application title.
void ShowMessage(QWidget* parent, const QString& text);
// A message box with a caption of its own.
void ShowCaptioned(QWidget* parent, const QString& caption, const QString& text);

// Test hook: while recording, boxes are not shown; each becomes an entry
// "CAPTION|TEXT" in the list.
void RecordMessageBoxes(bool on);
QStringList& RecordedMessageBoxes();

}  // namespace hm::ui
