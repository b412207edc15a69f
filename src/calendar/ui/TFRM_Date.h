// 岚和日历: the perpetual calendar window. One month of the solar calendar
// as a grid of days, each with its lunar day name, lunar month, festival or
// solar term underneath; the zodiac year and the star sign of the selected
// day; year and month stepped by arrow buttons within 1901..2050.
#pragma once

#include <QDialog>
#include <array>

#include "calendar/month_grid.h"

class QLabel;
class QPushButton;
class QFrame;

namespace hm {

class UpDown;

class TFRM_Date : public QDialog {
  Q_OBJECT

 public:
  explicit TFRM_Date(QWidget* parent = nullptr);

  const MonthView& View() const { return view_; }

  // Pixel positions of cell k (1..37): its day number and its lunar text.
  static QPoint DayLabelPos(int cell);
  static QPoint LunarLabelPos(int cell);

 protected:
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Decodes the selected date into year, month and day and draws it.
  void FormShow();
  void FormDeactivate();
  void YearNumberClick();
  void MonthNumberClick();
  void YearUpDownChanged(int year);
  void MonthUpDownChanged(int month);
  void TodayButtonClick();
  void CellClick(int cell);
  void CellMouseDown(QLabel* label, bool lunarText);

  // Puts the view's last drawing on the widgets.
  void drawPage();
  void moveMark(const QPoint& topLeft);

  MonthView view_;

  QLabel* bigYear_;
  QLabel* bigMonth_;
  QLabel* yearNumber_;
  QLabel* monthNumber_;
  UpDown* yearUpDown_;
  UpDown* monthUpDown_;
  QPushButton* todayButton_;
  QLabel* zodiacLabel_;
  QLabel* starSignLabel_;
  QFrame* mark_;
  std::array<QLabel*, kMonthCells> dayLabels_{};
  std::array<QLabel*, kMonthCells> lunarLabels_{};
};

}  // namespace hm
