// Start-up of the desktop program: the application title, the main window
// and the event loop.
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>

#include "app/ui/TFrmmain.h"
#include "base/content.h"
#include "ui/notice.h"
#include "ui/pictures.h"

int main(int argc, char** argv) {
  // Without a display Qt would abort with a long platform-plugin message.
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if ((!platform || !*platform) && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
    std::fprintf(stderr, "衡木命理: 没有图形显示 (DISPLAY 未设置); 可使用命令行版 hengmu-cli, 见 hengmu-cli --help\n");
    return 1;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(hm::ui::AppTitle());
  // No display name: the desktop would append it to every window's caption.
  hm::SetContentDir(QCoreApplication::applicationDirPath().toStdString());
  hm::SetBellHandler([] { QApplication::beep(); });
  hm::ui::EnsurePictures();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));
  // The toolkit's own dialogs (file, page setup, print) speak Chinese when
  // Qt's translations are installed; without them they stay in English.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qt"), QStringLiteral("_"),
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);

  hm::TFrmmain w;
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect r = screen->availableGeometry();
    w.move(r.center() - QPoint(w.width() / 2, w.height() / 2));
  }
  w.show();
  return app.exec();
}
