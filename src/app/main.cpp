// Start-up of the desktop program: the application title, the main window
// and the event loop.
#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "app/ui/TFrmmain.h"
#include "base/content.h"
#include "ui/notice.h"

int main(int argc, char** argv) {
  // Without a display Qt would abort with a long platform-plugin message.
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if ((!platform || !*platform) && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
    std::fprintf(stderr, "衡木命理: 没有图形显示 (DISPLAY 未设置); 可使用命令行版 hengmu-cli, 见 hengmu-cli --help\n");
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(hm::ui::AppTitle());
  QApplication::setApplicationDisplayName(hm::ui::AppTitle());
  hm::SetContentDir(QCoreApplication::applicationDirPath().toStdString());
  hm::SetBellHandler([] { QApplication::beep(); });

  hm::TFrmmain w;
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect r = screen->availableGeometry();
    w.move(r.center() - QPoint(w.width() / 2, w.height() / 2));
  }
  w.show();
  return app.exec();
}
