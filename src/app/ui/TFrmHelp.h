// The help window: the program's guide (HTML shipped in the doc folder
// beside the executable) in a browser of its own.
#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

namespace hm {

class TFrmHelp : public QDialog {
  Q_OBJECT

 public:
  // Shows the guide at `path`, or a short line saying where it was looked
  // for when the file is missing.
  explicit TFrmHelp(const QString& path, QWidget* parent = nullptr);

  // The guide beside the running program: <program folder>/doc/guide.html.
  static QString GuidePath();

  QTextBrowser* Browser() const { return browser_; }

 private:
  QTextBrowser* browser_ = nullptr;
};

}  // namespace hm
