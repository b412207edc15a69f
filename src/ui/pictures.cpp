#include "ui/pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QWidget>

// Resource registration must be called outside any namespace.
static void initAssets() {
  Q_INIT_RESOURCE(assets);
}

namespace hm::ui {

void EnsurePictures() {
  static const bool done = (initAssets(), true);
  (void)done;
}

QPixmap SvgPixmap(const QString& resource, QSize size, qreal devicePixelRatio) {
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.fill(Qt::transparent);
  EnsurePictures();
  QSvgRenderer renderer(resource);
  QPainter painter(&pixmap);
  renderer.render(&painter);
  painter.end();
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

void CentreOnScreen(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace hm::ui
