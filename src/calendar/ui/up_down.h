// A pair of arrow buttons that step a number within a range, with no edit
// field of its own: the calendar shows the number in a label beside it.
#pragma once

#include <QWidget>

class QToolButton;

namespace hm {

class UpDown : public QWidget {
  Q_OBJECT

 public:
  UpDown(int minimum, int maximum, QWidget* parent = nullptr);

  int value() const { return value_; }
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }
  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 public slots:
  // Clamps into the range; emits valueChanged only when the value changes.
  void setValue(int value);
  void stepUp() { setValue(value_ + 1); }
  void stepDown() { setValue(value_ - 1); }

 signals:
  void valueChanged(int value);

 private:
  int minimum_;
  int maximum_;
  int value_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace hm
