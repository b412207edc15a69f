// The desktop program starts with its empty main window.
#include <QtTest>

#include "app/ui/TFrmmain.h"

class TestStartup : public QObject {
  Q_OBJECT
 private slots:
  void mainWindowIsCaptionedAndSized() {
    hm::TFrmmain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("衡木命理"));
    QCOMPARE(w.size(), QSize(800, 600));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    // The cursor starts in the surname field.
    QCOMPARE(w.focusWidget(), w.findChild<QWidget*>("NameA"));
  }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
