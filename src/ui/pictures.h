// The program's own pictures (SVG in the resources) as pixmaps.
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

class QWidget;

namespace hm::ui {

// Makes sure the pictures compiled into the program are registered (they
// live in a static library, so nothing else pulls them in).
void EnsurePictures();

// Renders an SVG resource at the given size, sharp on high-density screens.
QPixmap SvgPixmap(const QString& resource, QSize size, qreal devicePixelRatio = 1.0);

// Moves a window to the centre of the screen it is on.
void CentreOnScreen(QWidget* window);

}  // namespace hm::ui
