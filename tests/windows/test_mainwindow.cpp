// The main window: its fields, menus and tab pages, the wiring of captions to
// commands, the pane, records, printing and the small windows of the shell.
#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPageLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "app/birth_entry.h"
#include "app/ui/TFrmHelp.h"
#include "app/ui/TFrm_NanNv.h"
#include "app/ui/TFrmmain.h"
#include "base/text.h"
#include "ui/dialogs.h"
#include "ui/notice.h"

using hm::TFrmmain;

namespace {

QStringList captionsOf(const QMenu* menu) {
  QStringList out;
  for (QAction* a : menu->actions())
    if (!a->isSeparator()) out << a->text();
  return out;
}

QMenu* topMenu(TFrmmain& w, const QString& title) {
  for (QAction* a : w.menuBar()->actions())
    if (a->text() == title) return a->menu();
  return nullptr;
}

QAction* menuEntry(QMenu* menu, const QString& caption) {
  for (QAction* a : menu->actions())
    if (a->text() == caption) return a;
  return nullptr;
}

// The buttons of a tab page in the order they are laid out.
QList<QPushButton*> pageButtons(TFrmmain& w, int page) {
  auto* tabs = w.findChild<QTabWidget*>("RzPageControl1");
  return tabs->widget(page)->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
}

QStringList textsOf(const QList<QPushButton*>& buttons) {
  QStringList out;
  for (auto* b : buttons) out << b->text();
  return out;
}

QWidget* topLevel(const QString& objectName) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == objectName && w->isVisible()) return w;
  return nullptr;
}

void closeTopLevels(const QString& objectName) {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == objectName) w->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class TestMainWindow : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    hm::ui::RecordMessageBoxes(true);
    hm::ui::SetModalNonBlocking(true);
    hm::ui::RecordOpenedUrls(true);
    // A pane command of this test that reads the entry the way the readings do.
    hm::PaneCommands()["登记测试"] = [](hm::MainState& s) {
      hm::ReadBirthEntry(s.fields, s.record, true, true);
      s.pane.Clear();
      s.pane.Add(s.record.Surname + s.record.GivenName + " " + s.record.SolarDateText + " " + s.record.LunarText);
      for (int i = 0; i < 80; ++i) s.pane.Add("第" + std::to_string(i) + "行");
      s.pane.Show();
      s.pane.ScrollToTop();
    };
  }

  void init() {
    hm::ui::RecordedMessageBoxes().clear();
    hm::ui::ModalWindowsShown().clear();
    hm::ui::OpenedUrls().clear();
  }

  void entryStripHasItsFieldsItemsAndDefaults() {
    TFrmmain w;
    for (const char* name : {"NameA", "NameB"}) QVERIFY2(w.findChild<QLineEdit*>(name), name);
    struct Combo {
      const char* name;
      int count;
      const char* first;
      const char* last;
      const char* current;
    };
    const Combo combos[] = {
        {"Sex", 2, "男", "女", "男"},
        {"Xuxing", 4, "A型", "AB型", "A型"},
        {"ComDate", 2, "生日公历", "生日农历", "生日公历"},
        {"SYear", 120, "1900", "2019", "1980"},
        {"SMonth", 12, "1", "12", "1"},
        {"Sday", 31, "1", "31", "1"},
        {"Shour", 24, "子 0", "子 23", "子 0"},
    };
    for (const Combo& c : combos) {
      auto* box = w.findChild<QComboBox*>(c.name);
      QVERIFY2(box, c.name);
      QVERIFY(box->isEditable());
      QCOMPARE(box->count(), c.count);
      QCOMPARE(box->itemText(0), QString::fromUtf8(c.first));
      QCOMPARE(box->itemText(c.count - 1), QString::fromUtf8(c.last));
      QCOMPARE(box->currentText(), QString::fromUtf8(c.current));
    }
    auto* hour = w.findChild<QComboBox*>("Shour");
    QCOMPARE(hour->itemText(11), QStringLiteral("午 11"));
    QCOMPARE(hour->itemText(2), QStringLiteral("丑 2"));

    const char* buttons[][2] = {{"RzButton1", "八字分析"},
                                {"RzButton2", "姓名分析"},
                                {"RzButton3", "星座分析"},
                                {"RzButton4", "诸葛测字"},
                                {"RzButton5", "本日吉日"}};
    for (auto& b : buttons) {
      auto* button = w.findChild<QPushButton*>(b[0]);
      QVERIFY2(button, b[0]);
      QCOMPARE(button->text(), QString::fromUtf8(b[1]));
      QCOMPARE(button->isEnabled(), TFrmmain::CommandAvailable(button->text()));
    }
    QVERIFY(w.findChild<QLabel*>("HeadingLabel"));
    QCOMPARE(w.findChild<QLabel*>("HeadingLabel")->text(), QStringLiteral("请输入基本信息："));
    QCOMPARE(w.statusBar()->findChild<QLabel*>("StatusText")->text(),
             QStringLiteral("欢迎使用衡木命理出品系列软件,联系电话:010-5555-0188 ,QQ: 800012345"));
  }

  void entryStripWidgetsDoNotOverlap() {
    TFrmmain w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* strip = w.findChild<QWidget*>("Banner");
    QList<QWidget*> parts;
    for (QObject* o : strip->children())
      if (auto* widget = qobject_cast<QWidget*>(o); widget && widget->isVisible()) parts << widget;
    QVERIFY(parts.size() >= 22);
    for (int i = 0; i < parts.size(); ++i) {
      QVERIFY2(strip->rect().contains(parts[i]->geometry()), qPrintable(parts[i]->objectName()));
      for (int j = i + 1; j < parts.size(); ++j)
        QVERIFY2(!parts[i]->geometry().intersects(parts[j]->geometry()),
                 qPrintable(parts[i]->objectName() + " / " + parts[j]->objectName()));
    }
    // The emblem at the right end of the banner stays clear.
    for (QWidget* part : parts) QVERIFY(part->geometry().right() < strip->width() - 80);
  }

  void nameFieldsHoldFourGbkBytes() {
    TFrmmain w;
    w.show();
    auto* a = w.findChild<QLineEdit*>("NameA");
    auto* b = w.findChild<QLineEdit*>("NameB");
    // Typed one character at a time ...
    for (QChar c : QStringLiteral("欧阳修")) {
      QTest::sendKeyEvent(QTest::Press, a, Qt::Key_unknown, QString(c), Qt::NoModifier);
      QTest::sendKeyEvent(QTest::Release, a, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QCOMPARE(a->text(), QStringLiteral("欧阳"));
    // ... or committed at once by the input method.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("ab王c"));
    QApplication::sendEvent(b, &commit);
    QCOMPARE(b->text(), QStringLiteral("ab王"));
  }

  void menusListEveryEntryInOrder() {
    TFrmmain w;
    QStringList titles;
    for (QAction* a : w.menuBar()->actions()) titles << a->text();
    QCOMPARE(titles, QStringList({"系统", "算命", "起名", "周易", "星座", "吉日", "民俗", "配对", "手相", "面相",
                                  "痣相", "风水", "工具", "帮助"}));
    QCOMPARE(captionsOf(topMenu(w, "系统")), QStringList({"新建测算", "打开记录...", "打印设置...", "退出系统"}));
    QCOMPARE(captionsOf(topMenu(w, "算命")),
             QStringList({"八字详批", "生辰信息", "称骨算命", "血型论命", "测字论命", "指纹论命", "属相论命"}));
    QCOMPARE(captionsOf(topMenu(w, "起名")), QStringList({"姓名详批", "姓名原理", "姓氏起源", "起名宝典", "三才吉凶"}));
    QCOMPARE(captionsOf(topMenu(w, "星座")).size(), 8);
    QCOMPARE(captionsOf(topMenu(w, "民俗")).size(), 7);
    QCOMPARE(captionsOf(topMenu(w, "手相")).size(), 12);
    QCOMPARE(captionsOf(topMenu(w, "手相")).last(), QStringLiteral("手相揭开命运奥秘之二图"));
    QCOMPARE(captionsOf(topMenu(w, "面相")),
             QStringList({"面型分析", "额形分析", "眉形分析", "下颚分析", "耳形分析", "鼻形分析", "眼形分析",
                          "嘴唇分析", "爱情面相图解", "职场面相图解", "面相十二宫部位解密图", "面相小人图",
                          "麻衣神相十二宫解释", "旺夫运最强的女人面相图", "最得宠的女人面相特点"}));
    QCOMPARE(captionsOf(menuEntry(topMenu(w, "面相"), "职场面相图解")->menu()),
             QStringList({"不如别跟的老板", "不能错过的人才", "最不听话的员工"}));
    QCOMPARE(captionsOf(topMenu(w, "痣相")).size(), 6);
    QMenu* fengshui = topMenu(w, "风水");
    QCOMPARE(captionsOf(fengshui).size(), 12);
    QCOMPARE(captionsOf(menuEntry(fengshui, "风水与爱情")->menu()).at(4), QStringLiteral("风水秘籍钓 \"金龟婿\""));
    QMenu* tools = topMenu(w, "工具");
    QCOMPARE(captionsOf(tools),
             QStringList({"手机号码分析", "QQ号码分析", "更多数字分析", "网名分析", "生男生女", "万年历法", "造命"}));
    QMenu* destiny = menuEntry(tools, "造命")->menu();
    QCOMPARE(captionsOf(destiny).size(), 14);
    QCOMPARE(captionsOf(menuEntry(destiny, "八字与姓名")->menu()).size(), 8);
    QCOMPARE(captionsOf(destiny).last(), QStringLiteral("百忍歌"));
    QCOMPARE(captionsOf(topMenu(w, "帮助")),
             QStringList({"客户服务", "给我们发邮件", "公司主页", "帮助主题", "关于系统", "软件升级"}));
    QCOMPARE(w.findChild<QAction*>("dxBarButton81")->text(), QStringLiteral("八字详批"));
    QCOMPARE(w.findChild<QAction*>("dxBarButton39")->text(), QStringLiteral("生男生女"));
  }

  void everyControlIsEnabledExactlyWhenItsCommandExists() {
    TFrmmain w;
    std::function<void(QMenu*)> check = [&](QMenu* menu) {
      for (QAction* a : menu->actions()) {
        if (a->menu()) {
          check(a->menu());
        } else if (a->text() == QStringLiteral("属相论命")) {
          QVERIFY(!a->isEnabled());
        } else {
          QVERIFY2(a->isEnabled() == TFrmmain::CommandAvailable(a->text()), qPrintable(a->text()));
        }
      }
    };
    for (QAction* a : w.menuBar()->actions()) check(a->menu());
    // The shell's own commands are always there.
    for (QAction* a : topMenu(w, "系统")->actions()) QVERIFY2(a->isEnabled(), qPrintable(a->text()));
    for (QAction* a : topMenu(w, "帮助")->actions()) QVERIFY2(a->isEnabled(), qPrintable(a->text()));
    QVERIFY(menuEntry(topMenu(w, "工具"), "生男生女")->isEnabled());
    QCOMPARE(menuEntry(topMenu(w, "起名"), "起名宝典")->isEnabled(), TFrmmain::CommandAvailable("起名宝典"));
    for (const char* name : {"BtnQQ", "BtnService", "BtnExit"})
      QVERIFY2(w.findChild<QPushButton*>(name)->isEnabled(), name);
  }

  void tabPagesHoldTheirButtonsInOrder() {
    TFrmmain w;
    auto* tabs = w.findChild<QTabWidget*>("RzPageControl1");
    QVERIFY(tabs);
    QCOMPARE(tabs->width(), 191);
    QStringList pages;
    for (int i = 0; i < tabs->count(); ++i) pages << tabs->tabText(i);
    QCOMPARE(pages, QStringList({"算命", "周易", "吉日", "星座"}));

    QCOMPARE(textsOf(pageButtons(w, 0)),
             QStringList({"八字详批", "生辰信息", "称骨算命", "血型论命", "测字论命", "指纹论命", "姓名详批",
                          "起名宝典", "快速起名", "金钱卦", "三才吉凶", "姓氏起源", "手机号码", "QQ配对", "数字分析",
                          "网名分析", "万年历法", "四柱八字", "属相论命"}));
    QCOMPARE(pageButtons(w, 1).first()->text(), QStringLiteral("诸葛神数"));
    QCOMPARE(pageButtons(w, 1).size(), 10);
    QCOMPARE(pageButtons(w, 2).size(), 25);
    QCOMPARE(pageButtons(w, 2).at(1)->text(), QStringLiteral("开市吉日"));
    QCOMPARE(pageButtons(w, 2).last()->text(), QStringLiteral("挂匾吉日"));
    QCOMPARE(textsOf(pageButtons(w, 3)), QStringList({"星座详批", "星座运程", "情商解析", "星座实力", "星座名人",
                                                      "身体保健", "五大建议", "星座缺陷", "星座排盘"}));
    for (const char* name : {"RzBitBtn1", "RzBitBtn2", "RzBitBtn7", "RzBitBtn21", "RzBitBtn24", "RzBitBtn42"})
      QVERIFY2(w.findChild<QPushButton*>(name), name);

    // Buttons named differently from their menu entry run that entry's command.
    auto button = [&](int page, const QString& text) {
      for (auto* b : pageButtons(w, page))
        if (b->text() == text) return b;
      return static_cast<QPushButton*>(nullptr);
    };
    QCOMPARE(button(0, "手机号码")->isEnabled(), TFrmmain::CommandAvailable("手机号码分析"));
    QCOMPARE(button(0, "快速起名")->isEnabled(), TFrmmain::CommandAvailable("金钱卦"));
    QCOMPARE(button(0, "八字详批")->isEnabled(), TFrmmain::CommandAvailable("八字分析"));
    // Buttons that carry no command stay grey even where a menu entry of the
    // same caption works.
    QVERIFY(!button(0, "四柱八字")->isEnabled());
    QVERIFY(!button(1, "金钱卦")->isEnabled());
    QVERIFY(!button(2, "挂匾吉日")->isEnabled());
    QVERIFY(!button(3, "星座排盘")->isEnabled());
  }

  void paneCommandShowsLinesNoticesAndScrollsToTop() {
    TFrmmain w;
    w.show();
    auto* memo = w.findChild<QPlainTextEdit*>("RzMemo1");
    QVERIFY(memo->isReadOnly());
    QVERIFY(memo->isHidden());
    QCOMPARE(memo->palette().color(QPalette::Base), QColor(246, 255, 238));

    w.findChild<QLineEdit*>("NameA")->setText("王");
    w.RunCommand("登记测试");
    QCOMPARE(hm::ui::RecordedMessageBoxes(), QStringList({"提示|名不能为空!"}));
    QVERIFY(memo->isHidden());
    QCOMPARE(w.State().record.Surname, "王");

    w.findChild<QLineEdit*>("NameB")->setText("明");
    w.findChild<QComboBox*>("ComDate")->setCurrentIndex(1);
    w.findChild<QComboBox*>("SYear")->setEditText("2000");
    memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum());
    w.RunCommand("登记测试");
    QVERIFY(memo->isVisible());
    QVERIFY(memo->toPlainText().startsWith(QStringLiteral("王明 2000-02-05 庚辰(龙)一月初一\n第0行")));
    QCOMPARE(memo->verticalScrollBar()->value(), 0);

    w.findChild<QComboBox*>("SMonth")->setEditText("2");
    w.findChild<QComboBox*>("Sday")->setEditText("30");
    w.findChild<QComboBox*>("ComDate")->setCurrentIndex(0);
    w.RunCommand("登记测试");
    QCOMPARE(hm::ui::RecordedMessageBoxes().last(), QStringLiteral("衡木命理|'2000-2-30' is not a valid date"));

    // 新建测算: empty pane and names, focus in the surname; the rest stays.
    w.RunCommand("新建测算");
    QCOMPARE(memo->toPlainText(), QString());
    QVERIFY(memo->isVisible());
    QCOMPARE(w.findChild<QLineEdit*>("NameA")->text(), QString());
    QCOMPARE(w.findChild<QLineEdit*>("NameB")->text(), QString());
    QCOMPARE(w.findChild<QComboBox*>("SYear")->currentText(), QStringLiteral("2000"));
    QCOMPARE(w.State().record.GivenName, "明");
    QCOMPARE(w.focusWidget(), w.findChild<QLineEdit*>("NameA"));
  }

  void fontSizesFollowTheListAndKeepColumnsAligned() {
    TFrmmain w;
    auto* box = w.findChild<QComboBox*>("CBFont");
    auto* memo = w.findChild<QPlainTextEdit*>("RzMemo1");
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    QCOMPARE(items, QStringList({"三号", "小三号", "四号", "小四号", "五号", "小五号"}));
    QCOMPARE(box->currentText(), QStringLiteral("小五号"));
    QCOMPARE(memo->font().pointSize(), 9);
    const int sizes[] = {16, 15, 14, 12, 11, 9};
    for (int i = 0; i < 6; ++i) {
      box->setCurrentIndex(i);
      QCOMPARE(memo->font().pointSize(), sizes[i]);
      QCOMPARE(QFontInfo(memo->font()).family(), QStringLiteral("Noto Sans Mono CJK SC"));
      // A line of forty characters ends where eighty blanks end, within a pixel.
      QFontMetricsF m(memo->font());
      const qreal wide = m.horizontalAdvance(QString(40, QChar(0x547D)));
      const qreal blanks = m.horizontalAdvance(QString(80, QLatin1Char(' ')));
      QVERIFY2(qAbs(wide - blanks) < 1.0, qPrintable(QStringLiteral("%1 / %2").arg(wide).arg(blanks)));
    }
    box->setCurrentIndex(0);
    box->setCurrentIndex(-1);
    QCOMPARE(memo->font().pointSize(), 9);
  }

  void openRecordReplacesThePaneEvenWhileHidden() {
    QTemporaryDir dir;
    const QString path = dir.filePath("record.txt");
    {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(QByteArray::fromStdString(hm::ToGbk("乾为天\r\n\r\n元亨利贞\r\n")));
    }
    TFrmmain w;
    w.show();
    auto* memo = w.findChild<QPlainTextEdit*>("RzMemo1");
    hm::ui::SetNextOpenFileName(path);
    w.RunCommand("打开记录...");
    QCOMPARE(memo->toPlainText(), QStringLiteral("乾为天\n\n元亨利贞"));
    QVERIFY(memo->isHidden());

    hm::ui::SetNextOpenFileName(QString());  // cancelled: the pane stays
    w.RunCommand("打开记录...");
    QCOMPARE(memo->toPlainText(), QStringLiteral("乾为天\n\n元亨利贞"));

    hm::ui::SetNextOpenFileName(dir.filePath("missing.txt"));
    w.RunCommand("打开记录...");
    QCOMPARE(memo->toPlainText(), QString());
    QVERIFY(hm::ui::RecordedMessageBoxes().isEmpty());
  }

  void printsThePaneToPdf() {
    QTemporaryDir dir;
    TFrmmain w;
    hm::ui::SetNextOpenFileName(QStringLiteral(HENGMU_SOURCE_DIR "/doc/guide.html"));
    w.RunCommand("打开记录...");

    QPrinter* printer = w.Printer();
    QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::Letter);
    QCOMPARE(printer->pageLayout().margins(QPageLayout::Millimeter), QMarginsF(12.7, 12.7, 12.7, 12.7));

    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dir.filePath("pane.pdf"));
    w.PrintPane(&pdf);
    QFile direct(dir.filePath("pane.pdf"));
    QVERIFY(direct.open(QIODevice::ReadOnly));
    QVERIFY(direct.read(5) == "%PDF-");

    // Through 打印设置...: leaving the page setup for printing, then the print
    // dialog, prints on the shared printer.
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(dir.filePath("setup.pdf"));
    hm::ui::SetNextPageSetupChoice(hm::ui::PageSetupChoice::Print);
    hm::ui::SetNextPrintAnswer(true);
    w.RunCommand("打印设置...");
    QVERIFY(QFile(dir.filePath("setup.pdf")).size() > 1000);

    printer->setOutputFileName(dir.filePath("preview.pdf"));
    hm::ui::SetPreviewSkipped(true);
    hm::ui::SetNextPageSetupChoice(hm::ui::PageSetupChoice::Preview);
    w.RunCommand("打印设置...");
    hm::ui::SetPreviewSkipped(false);
    QVERIFY(QFile::exists(dir.filePath("preview.pdf")));

    printer->setOutputFileName(dir.filePath("cancel.pdf"));
    hm::ui::SetNextPageSetupChoice(hm::ui::PageSetupChoice::Print);
    hm::ui::SetNextPrintAnswer(false);
    w.RunCommand("打印设置...");
    QVERIFY(!QFile::exists(dir.filePath("cancel.pdf")));
  }

  void shellWindowsOpen() {
    TFrmmain w;
    w.show();
    w.RunCommand("关于系统");
    auto* about = topLevel("TAbout");
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("关于系统"));
    QCOMPARE(about->size(), QSize(321, 149));
    QCOMPARE(about->findChild<QLabel*>("QQLabel")->text(), QStringLiteral("QQ：800012345"));
    QCOMPARE(about->findChild<QLabel*>("TelLabel")->text(), QStringLiteral("TEL：010-5555-0188"));
    closeTopLevels("TAbout");

    w.RunCommand("客户服务(&S)");
    auto* service = topLevel("TFrm_servers");
    QVERIFY(service);
    QVERIFY(service->findChild<QLabel*>("ServiceText2")->text().contains("010-5555-0188"));
    closeTopLevels("TFrm_servers");

    w.RunCommand("生男生女");
    auto* nannv = topLevel("TFrm_NanNv");
    QVERIFY(nannv);
    QCOMPARE(nannv->size(), QSize(594, 480));
    auto* tabs = nannv->findChild<QTabWidget*>();
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("18到31岁"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("32到44岁"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("生男生女有秘诀"));
    auto* first = qobject_cast<hm::ConceptionChartView*>(tabs->widget(0));
    auto* second = qobject_cast<hm::ConceptionChartView*>(tabs->widget(1));
    QVERIFY(first && second);
    QCOMPARE(first->FirstAge(), 18);
    QCOMPARE(first->LastAge(), 31);
    QCOMPARE(second->Title(), QStringLiteral("续表：32-44岁"));
    // Rows are months, columns ages: age 21 has a boy only in month 1.
    QCOMPARE(first->CellText(1, 21), QStringLiteral("男"));
    QCOMPARE(first->CellText(2, 21), QStringLiteral("女"));
    QCOMPARE(first->CellText(2, 18), QStringLiteral("男"));
    QCOMPARE(second->CellText(1, 44), QStringLiteral("男"));
    QCOMPARE(second->CellText(3, 44), QStringLiteral("女"));
    QCOMPARE(second->CellText(1, 31), QString());
    closeTopLevels("TFrm_NanNv");
    QCOMPARE(hm::ui::ModalWindowsShown(), QStringList({"TAbout", "TFrm_servers", "TFrm_NanNv"}));

    w.RunCommand("软件升级");
    QCOMPARE(hm::ui::RecordedMessageBoxes(), QStringList({"提示|感谢你的使用,软件是最新版无需升级!"}));

    w.RunCommand("公司主页");
    w.RunCommand("给我们发邮件");
    w.RunCommand("QQ服务(&Q)");
    QTest::mouseClick(w.findChild<QWidget*>("Banner"), Qt::LeftButton, {}, QPoint(760, 20));
    QCOMPARE(hm::ui::OpenedUrls(),
             QStringList({"https://www.hengmu.example/", "mailto:support@hengmu.example",
                          "https://www.hengmu.example/qq", "https://www.hengmu.example/mingli/"}));
  }

  void helpWindowShowsTheGuide() {
    hm::TFrmHelp help(QStringLiteral(HENGMU_SOURCE_DIR "/doc/guide.html"));
    QVERIFY(help.Browser()->toPlainText().contains(QStringLiteral("衡木命理 使用指南")));
    hm::TFrmHelp missing(QStringLiteral("/nonexistent/guide.html"));
    QVERIFY(missing.Browser()->toPlainText().contains(QStringLiteral("/nonexistent/guide.html")));
  }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
