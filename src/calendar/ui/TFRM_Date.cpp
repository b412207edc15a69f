#include "calendar/ui/TFRM_Date.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include "calendar/ui/up_down.h"
#include "ui/pictures.h"

namespace hm {

namespace {

constexpr int kColumnStep = 42;
constexpr int kRowStep = 32;
constexpr int kGridLeft = 13;
constexpr int kDayTop = 56;
constexpr int kCellWidth = 40;
constexpr int kHeadingHeight = 18;
constexpr int kRows = (kMonthCells + kMonthColumns - 1) / kMonthColumns;

const char* const kWeekdays[kMonthColumns] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};

QColor rgbColour(std::uint32_t rgb) {
  return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>(rgb & 0xFF));
}

void setTextColour(QLabel* label, const QColor& colour) {
  QPalette p = label->palette();
  p.setColor(QPalette::WindowText, colour);
  label->setPalette(p);
}

QFont uiFont(int pointSize, bool bold = false) {
  QFont f;
  f.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei")});
  f.setPointSize(pointSize);
  f.setBold(bold);
  return f;
}

// The lunar line is set in a Song face where one is installed.
QFont lunarFont() {
  QFont f;
  f.setFamilies({QStringLiteral("SimSun"), QStringLiteral("宋体"), QStringLiteral("Noto Serif CJK SC"),
                 QStringLiteral("Noto Sans CJK SC")});
  f.setPointSize(9);
  return f;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QRect& geometry, const QFont& font,
                  Qt::Alignment align = Qt::AlignCenter) {
  auto* l = new QLabel(parent);
  if (name) l->setObjectName(QString::fromLatin1(name));
  l->setGeometry(geometry);
  l->setFont(font);
  l->setAlignment(align);
  return l;
}

// One row of weekday headings, Sunday and Saturday in red.
void makeHeadings(QWidget* parent, int top, const char* prefix) {
  for (int c = 0; c < kMonthColumns; ++c) {
    QLabel* l =
        makeLabel(parent, nullptr, QRect(kGridLeft + c * kColumnStep, top, kCellWidth, kHeadingHeight), uiFont(9));
    l->setObjectName(QStringLiteral("%1%2").arg(QString::fromLatin1(prefix)).arg(c + 1));
    l->setText(QString::fromUtf8(kWeekdays[c]));
    setTextColour(l, (c == 0 || c == kMonthColumns - 1) ? QColor(0xFF, 0, 0) : QColor(Qt::black));
  }
}

}  // namespace

QPoint TFRM_Date::DayLabelPos(int cell) {
  const int c = (cell - 1) % kMonthColumns;
  const int r = (cell - 1) / kMonthColumns;
  return {14 + c * kColumnStep, kDayTop + r * kRowStep};
}

QPoint TFRM_Date::LunarLabelPos(int cell) {
  const int c = (cell - 1) % kMonthColumns;
  const int r = (cell - 1) / kMonthColumns;
  return {kGridLeft + c * kColumnStep, 73 + r * kRowStep};
}

TFRM_Date::TFRM_Date(QWidget* parent) : QDialog(parent), view_(Today()) {
  setObjectName(QStringLiteral("TFRM_Date"));
  setWindowTitle(QStringLiteral("岚和日历"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(339, 319);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::white);
  setPalette(p);
  setAutoFillBackground(true);

  // Created first so that everything else lies on top of them.
  const int gridHeight = kRows * kRowStep;
  bigYear_ = makeLabel(this, "BigYear", QRect(kGridLeft, kDayTop, kColumnStep * kMonthColumns, gridHeight / 2),
                       uiFont(54, true));
  setTextColour(bigYear_, QColor(0xF0, 0xF4, 0xF9));
  bigMonth_ = makeLabel(this, "BigMonth",
                        QRect(kGridLeft, kDayTop + gridHeight / 2, kColumnStep * kMonthColumns, gridHeight / 2),
                        uiFont(72, true));
  setTextColour(bigMonth_, QColor(0xF8, 0xF2, 0xE9));

  // Year and month with their arrows; one pair of arrows shows at a time.
  const QColor numberColour(0xA0, 0x1E, 0x1E);
  yearNumber_ =
      makeLabel(this, "YearNumber", QRect(16, 7, 52, 26), uiFont(15, true), Qt::AlignRight | Qt::AlignVCenter);
  setTextColour(yearNumber_, numberColour);
  makeLabel(this, nullptr, QRect(70, 7, 20, 26), uiFont(11))->setText(QStringLiteral("年"));
  yearUpDown_ = new UpDown(MonthView::kFirstYear, MonthView::kLastYear, this);
  yearUpDown_->setObjectName(QStringLiteral("YearUpDown"));
  yearUpDown_->setGeometry(92, 7, 17, 26);
  monthNumber_ =
      makeLabel(this, "MonthNumber", QRect(114, 7, 28, 26), uiFont(15, true), Qt::AlignRight | Qt::AlignVCenter);
  setTextColour(monthNumber_, numberColour);
  makeLabel(this, nullptr, QRect(144, 7, 20, 26), uiFont(11))->setText(QStringLiteral("月"));
  monthUpDown_ = new UpDown(1, 12, this);
  monthUpDown_->setObjectName(QStringLiteral("MonthUpDown"));
  monthUpDown_->setGeometry(166, 7, 17, 26);
  yearUpDown_->hide();
  for (QLabel* number : {yearNumber_, monthNumber_}) {
    number->setCursor(Qt::PointingHandCursor);
    number->installEventFilter(this);
  }
  connect(yearUpDown_, &UpDown::valueChanged, this, &TFRM_Date::YearUpDownChanged);
  connect(monthUpDown_, &UpDown::valueChanged, this, &TFRM_Date::MonthUpDownChanged);

  todayButton_ = new QPushButton(QStringLiteral("今天"), this);
  todayButton_->setObjectName(QStringLiteral("TodayButton"));
  todayButton_->setGeometry(262, 7, 62, 26);
  connect(todayButton_, &QPushButton::clicked, this, &TFRM_Date::TodayButtonClick);

  makeHeadings(this, 35, "WeekHeading");
  makeHeadings(this, kDayTop + kRows * kRowStep + 2, "WeekFooting");

  // The square under the selected cell, beneath the cell labels.
  mark_ = new QFrame(this);
  mark_->setObjectName(QStringLiteral("MarkShape"));
  mark_->setStyleSheet(QStringLiteral("QFrame#MarkShape { background: #FFF4DC; border: 1px solid #E39B2D; }"));
  mark_->resize(kCellWidth, kRowStep - 1);
  mark_->setAttribute(Qt::WA_TransparentForMouseEvents);

  const QFont dayFont = uiFont(11);
  const QFont lunar = lunarFont();
  for (int k = 1; k <= kMonthCells; ++k) {
    QLabel* day = makeLabel(this, nullptr, QRect(DayLabelPos(k), QSize(kCellWidth - 2, 18)), dayFont);
    day->setObjectName(QStringLiteral("DayLabel%1").arg(k));
    QLabel* text = makeLabel(this, nullptr, QRect(LunarLabelPos(k), QSize(kCellWidth, 16)), lunar);
    text->setObjectName(QStringLiteral("LunarLabel%1").arg(k));
    for (QLabel* l : {day, text}) {
      l->setProperty("cell", k);
      l->setCursor(Qt::PointingHandCursor);
      l->installEventFilter(this);
    }
    dayLabels_[k - 1] = day;
    lunarLabels_[k - 1] = text;
  }

  const QColor signColour(0x6B, 0x3A, 0x1E);
  zodiacLabel_ = makeLabel(this, "ZodiacLabel", QRect(186, 282, 56, 24), uiFont(12, true), Qt::AlignCenter);
  setTextColour(zodiacLabel_, signColour);
  starSignLabel_ = makeLabel(this, "StarSignLabel", QRect(246, 282, 78, 24), uiFont(12, true), Qt::AlignCenter);
  setTextColour(starSignLabel_, signColour);

  FormShow();
}

void TFRM_Date::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) {
    FormShow();
    ui::CentreOnScreen(this);
  }
}

bool TFRM_Date::event(QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate) FormDeactivate();
  return QDialog::event(event);
}

bool TFRM_Date::eventFilter(QObject* watched, QEvent* event) {
  if (watched == yearNumber_ || watched == monthNumber_) {
    if (event->type() == QEvent::MouseButtonRelease) {
      auto* me = static_cast<QMouseEvent*>(event);
      if (me->button() == Qt::LeftButton) watched == yearNumber_ ? YearNumberClick() : MonthNumberClick();
    }
    return QDialog::eventFilter(watched, event);
  }
  auto* label = qobject_cast<QLabel*>(watched);
  const int cell = label ? label->property("cell").toInt() : 0;
  if (cell < 1) return QDialog::eventFilter(watched, event);
  if (event->type() == QEvent::MouseButtonPress) {
    CellMouseDown(label, label == lunarLabels_[cell - 1]);
  } else if (event->type() == QEvent::MouseButtonRelease) {
    auto* me = static_cast<QMouseEvent*>(event);
    if (me->button() == Qt::LeftButton && label->rect().contains(me->position().toPoint())) CellClick(cell);
  }
  return QDialog::eventFilter(watched, event);
}

void TFRM_Date::FormShow() {
  view_.Show();
  {
    const QSignalBlocker blockYear(yearUpDown_);
    const QSignalBlocker blockMonth(monthUpDown_);
    yearUpDown_->setValue(view_.ShownYear());
    monthUpDown_->setValue(view_.ShownMonth());
  }
  drawPage();
}

void TFRM_Date::FormDeactivate() {
  // The calendar is a glance: it goes away as soon as the user turns to
  // another window.
  if (isVisible()) close();
}

void TFRM_Date::YearNumberClick() {
  monthUpDown_->hide();
  yearUpDown_->show();
}

void TFRM_Date::MonthNumberClick() {
  yearUpDown_->hide();
  monthUpDown_->show();
}

void TFRM_Date::YearUpDownChanged(int year) {
  view_.SetYear(year);
  drawPage();
}

void TFRM_Date::MonthUpDownChanged(int month) {
  view_.SetMonth(month);
  drawPage();
}

void TFRM_Date::TodayButtonClick() {
  view_.GoToday(Today());
  FormShow();
}

void TFRM_Date::CellClick(int cell) {
  view_.SelectCell(cell);
}

void TFRM_Date::CellMouseDown(QLabel* label, bool lunarText) {
  const QPoint at = label->pos();
  moveMark(lunarText ? QPoint(at.x(), at.y() - 16) : QPoint(at.x() - 1, at.y() + 1));
}

void TFRM_Date::moveMark(const QPoint& topLeft) {
  mark_->move(topLeft);
  mark_->show();
}

void TFRM_Date::drawPage() {
  const MonthPage& page = view_.Page();
  bigYear_->setText(QString::number(page.year));
  bigMonth_->setText(QString::number(page.month));
  yearNumber_->setText(QString::number(page.year));
  monthNumber_->setText(QString::number(page.month));
  zodiacLabel_->setText(QString::fromStdString(page.zodiac));

  for (int k = 1; k <= kMonthCells; ++k) {
    QLabel* day = dayLabels_[k - 1];
    QLabel* text = lunarLabels_[k - 1];
    day->hide();
    text->hide();
    setTextColour(day, Qt::black);
    setTextColour(text, Qt::black);
    const MonthCell& cell = page.cells[k - 1];
    if (!cell.visible) continue;
    day->setText(QString::number(cell.day));
    text->setText(QString::fromStdString(cell.text));
    setTextColour(text, rgbColour(cell.colour));
    day->show();
    text->show();
  }
  if (page.markedCell > 0) {
    moveMark(DayLabelPos(page.markedCell) + QPoint(-1, 1));
    starSignLabel_->setText(QString::fromStdString(page.starSign));
  }
}

}  // namespace hm
