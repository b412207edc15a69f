#include "app/ui/TFrmHelp.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/dialogs.h"

namespace hm {

TFrmHelp::TFrmHelp(const QString& path, QWidget* parent) : QDialog(parent) {
  setObjectName("TFrmHelp");
  setWindowTitle(QStringLiteral("衡木命理 帮助主题"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  resize(700, 520);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  browser_ = new QTextBrowser(this);
  browser_->setObjectName("HelpBrowser");
  // Pages of the guide open inside the window; web and mail addresses go to
  // the desktop.
  browser_->setOpenLinks(false);
  connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https") ||
        url.scheme() == QLatin1String("mailto"))
      ui::OpenUrl(url);
    else
      browser_->setSource(url);
  });
  if (QFileInfo(path).isReadable()) {
    browser_->setSource(QUrl::fromLocalFile(path));
  } else {
    browser_->setPlainText(QStringLiteral("找不到帮助文件：") + path);
  }
  layout->addWidget(browser_, 1);
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  layout->addWidget(close, 0, Qt::AlignRight);
}

QString TFrmHelp::GuidePath() {
  return QCoreApplication::applicationDirPath() + QStringLiteral("/doc/guide.html");
}

}  // namespace hm
