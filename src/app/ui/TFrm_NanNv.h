// 生男生女: the folk chart of a child's sex by the mother's nominal age and
// the lunar month of conception, in two parts, and a short article.
#pragma once

#include <QDialog>
#include <QWidget>

namespace hm {

// One part of the chart: a column per nominal age, a row per lunar month,
// 男 or 女 in every cell, drawn from the chart's table.
class ConceptionChartView : public QWidget {
  Q_OBJECT

 public:
  ConceptionChartView(int firstAge, int lastAge, const QString& title, QWidget* parent = nullptr);

  int FirstAge() const { return firstAge_; }
  int LastAge() const { return lastAge_; }
  QString Title() const { return title_; }
  // The text of the cell for a lunar month (1..12) and an age of this part.
  QString CellText(int month, int age) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int firstAge_;
  int lastAge_;
  QString title_;
};

class TFrm_NanNv : public QDialog {
  Q_OBJECT

 public:
  explicit TFrm_NanNv(QWidget* parent = nullptr);
};

}  // namespace hm
