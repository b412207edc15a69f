// The perpetual calendar window: its grid, the year and month arrows, the
// remembered day, selecting a day, 今天, closing on deactivation and opening
// from the main window.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "app/ui/TFrmmain.h"
#include "base/dates.h"
#include "calendar/ui/TFRM_Date.h"
#include "calendar/ui/up_down.h"
#include "ui/dialogs.h"

using hm::TFRM_Date;
using hm::UpDown;

namespace {

QLabel* label(const QWidget& w, const QString& name) {
  auto* l = w.findChild<QLabel*>(name);
  if (!l) qFatal("no label %s", qPrintable(name));
  return l;
}

QLabel* dayLabel(const QWidget& w, int cell) {
  return label(w, QStringLiteral("DayLabel%1").arg(cell));
}

QLabel* lunarLabel(const QWidget& w, int cell) {
  return label(w, QStringLiteral("LunarLabel%1").arg(cell));
}

QColor textColour(const QLabel* l) {
  return l->palette().color(QPalette::WindowText);
}

// Top left of the marking square.
QPoint markPos(const QWidget& w) {
  return w.findChild<QWidget*>(QStringLiteral("MarkShape"))->pos();
}

QPoint markOfCell(int cell) {
  return TFRM_Date::DayLabelPos(cell) + QPoint(-1, 1);
}

UpDown* upDown(const QWidget& w, const char* name) {
  return w.findChild<UpDown*>(QString::fromLatin1(name));
}

void clickArrow(UpDown* u, bool up) {
  QTest::mouseClick(up ? u->upButton() : u->downButton(), Qt::LeftButton);
}

void pinToday(int y, int m, int d) {
  hm::PinClock(hm::DateTime{hm::Date{y, m, d}, 9, 0, 0, 0});
}

}  // namespace

class TestCalendarWindow : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    hm::UnpinClock();
    hm::ui::SetModalNonBlocking(false);
  }

  void opensOnTodayWithTheLunarLineColoured() {
    pinToday(2000, 1, 1);  // a Saturday: the month fills cells 7 to 37
    TFRM_Date w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("岚和日历"));
    QCOMPARE(w.size(), QSize(339, 319));
    QCOMPARE(label(w, "YearNumber")->text(), QStringLiteral("2000"));
    QCOMPARE(label(w, "MonthNumber")->text(), QStringLiteral("1"));
    QCOMPARE(label(w, "BigYear")->text(), QStringLiteral("2000"));
    QCOMPARE(label(w, "ZodiacLabel")->text(), QStringLiteral("卯兔"));
    QCOMPARE(label(w, "StarSignLabel")->text(), QStringLiteral("摩羯座"));

    for (int cell = 1; cell <= 6; ++cell) QVERIFY(!dayLabel(w, cell)->isVisible());
    QVERIFY(dayLabel(w, 37)->isVisible());
    QCOMPARE(dayLabel(w, 37)->text(), QStringLiteral("31"));
    QCOMPARE(dayLabel(w, 7)->pos(), QPoint(14 + 6 * 42, 56));
    QCOMPARE(lunarLabel(w, 8)->pos(), QPoint(13, 73 + 32));

    const struct {
      int cell;
      const char* text;
      QColor colour;
    } cells[] = {
        {7, "元旦节", QColor(0xFF, 0x80, 0x00)},  {8, "廿六", QColor(0x00, 0x40, 0x00)},
        {12, "小寒", QColor(0x53, 0x53, 0xFF)},   {13, "腊月", QColor(0xFF, 0x00, 0x00)},
        {20, "腊八节", QColor(0xFF, 0x80, 0x00)},
    };
    for (const auto& c : cells) {
      QCOMPARE(lunarLabel(w, c.cell)->text(), QString::fromUtf8(c.text));
      QCOMPARE(textColour(lunarLabel(w, c.cell)), c.colour);
      QCOMPARE(textColour(dayLabel(w, c.cell)), QColor(Qt::black));
    }
    QCOMPARE(markPos(w), markOfCell(7));
  }

  void arrowsPageThroughMonthsKeepingTheSelectedDay() {
    pinToday(2000, 1, 31);
    TFRM_Date w;
    w.show();
    UpDown* month = upDown(w, "MonthUpDown");
    QVERIFY(month->isVisible());

    clickArrow(month, true);  // February 2000 has 29 days
    QCOMPARE(label(w, "MonthNumber")->text(), QStringLiteral("2"));
    QCOMPARE(lunarLabel(w, 6)->text(), QStringLiteral("除夕"));  // 4 February
    QCOMPARE(lunarLabel(w, 7)->text(), QStringLiteral("春节"));
    QCOMPARE(markPos(w), markOfCell(2 + 29));
    QCOMPARE(label(w, "StarSignLabel")->text(), QStringLiteral("双鱼座"));

    clickArrow(month, true);  // March: the remembered 31 comes back
    QCOMPARE(markPos(w), markOfCell(3 + 31));
    QCOMPARE(dayLabel(w, 34)->text(), QStringLiteral("31"));
    QCOMPARE(label(w, "StarSignLabel")->text(), QStringLiteral("白羊座"));
    QCOMPARE(w.View().SelectedDay(), 31);
  }

  void onlyOneArrowPairShowsAndBothStopAtTheirLimits() {
    pinToday(2050, 12, 31);
    TFRM_Date w;
    w.show();
    UpDown* year = upDown(w, "YearUpDown");
    UpDown* month = upDown(w, "MonthUpDown");

    QTest::mouseClick(label(w, "YearNumber"), Qt::LeftButton);
    QVERIFY(year->isVisible());
    QVERIFY(!month->isVisible());
    clickArrow(year, true);
    QCOMPARE(label(w, "YearNumber")->text(), QStringLiteral("2050"));
    // The last month of the table draws its last day without a festival.
    QCOMPARE(lunarLabel(w, 35)->text(), QStringLiteral("十八"));

    year->setValue(1901);
    clickArrow(year, false);
    QCOMPARE(label(w, "YearNumber")->text(), QStringLiteral("1901"));
    QCOMPARE(year->value(), 1901);

    QTest::mouseClick(label(w, "MonthNumber"), Qt::LeftButton);
    QVERIFY(month->isVisible());
    QVERIFY(!year->isVisible());
    clickArrow(month, true);
    QCOMPARE(label(w, "MonthNumber")->text(), QStringLiteral("12"));
    month->setValue(1);
    clickArrow(month, false);
    QCOMPARE(label(w, "MonthNumber")->text(), QStringLiteral("1"));
    QCOMPARE(label(w, "YearNumber")->text(), QStringLiteral("1901"));
  }

  void clickingADaySelectsItWithoutRedrawing() {
    pinToday(2000, 1, 1);
    TFRM_Date w;
    w.show();
    // 8 January sits in cell 14; its lunar text marks the cell as its day does.
    QTest::mouseClick(lunarLabel(w, 14), Qt::LeftButton);
    QCOMPARE(markPos(w), markOfCell(14));
    QCOMPARE(w.View().SelectedDate(), (hm::Date{2000, 1, 8}));
    QCOMPARE(label(w, "StarSignLabel")->text(), QStringLiteral("摩羯座"));

    QTest::mouseClick(dayLabel(w, 27), Qt::LeftButton);  // 21 January
    QCOMPARE(markPos(w), markOfCell(27));
    QCOMPARE(label(w, "StarSignLabel")->text(), QStringLiteral("摩羯座"));

    clickArrow(upDown(w, "MonthUpDown"), true);  // the next drawing shows it
    QCOMPARE(markPos(w), markOfCell(2 + 21));
    QCOMPARE(label(w, "StarSignLabel")->text(), QStringLiteral("双鱼座"));
  }

  void todayReturnsToTheClocksDay() {
    pinToday(2024, 5, 12);
    TFRM_Date w;
    w.show();
    upDown(w, "YearUpDown")->setValue(1930);
    upDown(w, "MonthUpDown")->setValue(9);
    QCOMPARE(label(w, "YearNumber")->text(), QStringLiteral("1930"));

    QTest::mouseClick(w.findChild<QPushButton*>(QStringLiteral("TodayButton")), Qt::LeftButton);
    QCOMPARE(label(w, "YearNumber")->text(), QStringLiteral("2024"));
    QCOMPARE(label(w, "MonthNumber")->text(), QStringLiteral("5"));
    QCOMPARE(upDown(w, "YearUpDown")->value(), 2024);
    QCOMPARE(upDown(w, "MonthUpDown")->value(), 5);
    QCOMPARE(label(w, "ZodiacLabel")->text(), QStringLiteral("辰龙"));
    QCOMPARE(lunarLabel(w, 3 + 12)->text(), QStringLiteral("母亲节"));
    QCOMPARE(markPos(w), markOfCell(3 + 12));
  }

  void closesWhenAnotherWindowTakesActivation() {
    TFRM_Date w;
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(!w.isVisible());
  }

  void mainWindowCommandOpensAFreshCalendarEachTime() {
    hm::ui::SetModalNonBlocking(true);
    hm::TFrmmain main;
    main.show();
    auto* action = main.findChild<QAction*>(QStringLiteral("dxBarButton43"));
    QVERIFY(action);
    QVERIFY(action->isEnabled());
    action->trigger();
    QCOMPARE(hm::ui::ModalWindowsShown(), QStringList{QStringLiteral("TFRM_Date")});
    QPointer<TFRM_Date> first = main.findChild<TFRM_Date*>();
    QVERIFY(first);
    first->close();
    QTRY_VERIFY(!first);  // deleted on close
    action->trigger();
    QCOMPARE(main.findChildren<TFRM_Date*>().size(), 1);
    main.findChild<TFRM_Date*>()->close();
  }

  void screenshotShowsTheDrawnMonth() {
    pinToday(2000, 2, 5);
    TFRM_Date w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage image = w.grab().toImage();
    QVERIFY(!image.isNull());
    // Ink inside the first cell of 2 February (cell 3) and the orange of 春节
    // under its 5 February; the hidden first cell stays blank.
    auto inkIn = [&image](const QRect& r, auto accept) {
      int n = 0;
      for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
          if (accept(image.pixelColor(x * image.width() / 339, y * image.height() / 319))) ++n;
      return n;
    };
    auto dark = [](const QColor& c) { return c.lightness() < 100; };
    auto orange = [](const QColor& c) { return c.red() > 200 && c.green() > 90 && c.green() < 190 && c.blue() < 90; };
    QVERIFY(inkIn(QRect(TFRM_Date::DayLabelPos(3), QSize(38, 17)), dark) > 5);
    QVERIFY(inkIn(QRect(TFRM_Date::LunarLabelPos(7), QSize(40, 16)), orange) > 5);
    QCOMPARE(inkIn(QRect(TFRM_Date::DayLabelPos(1), QSize(38, 17)), dark), 0);
  }
};

QTEST_MAIN(TestCalendarWindow)
#include "test_calendar_window.moc"
