#include "calendar/ui/up_down.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace hm {

UpDown::UpDown(int minimum, int maximum, QWidget* parent)
    : QWidget(parent), minimum_(minimum), maximum_(maximum), value_(minimum) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  auto makeButton = [this, column](Qt::ArrowType arrow, const char* name) {
    auto* b = new QToolButton(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setArrowType(arrow);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    column->addWidget(b);
    return b;
  };
  up_ = makeButton(Qt::UpArrow, "UpButton");
  down_ = makeButton(Qt::DownArrow, "DownButton");
  connect(up_, &QToolButton::clicked, this, &UpDown::stepUp);
  connect(down_, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setValue(int value) {
  value = std::clamp(value, minimum_, maximum_);
  if (value == value_) return;
  value_ = value;
  emit valueChanged(value_);
}

}  // namespace hm
