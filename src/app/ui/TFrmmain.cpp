#include "app/ui/TFrmmain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <functional>
#include <map>

#include "app/record_file.h"
#include "app/ui/contact.h"
#include "app/ui/window_commands.h"
#include "base/errors.h"
#include "ui/dialogs.h"
#include "ui/gbk_limit.h"
#include "ui/notice.h"
#include "ui/pictures.h"

namespace hm {

namespace {

// ---------------------------------------------------------------------------
// What each caption runs.

// Captions handled by the main window itself rather than by a command table.
const QStringList& ownCaptions() {
  static const QStringList captions = {QStringLiteral("打开记录..."), QStringLiteral("打印设置..."),
                                       QStringLiteral("退出系统")};
  return captions;
}

// The captions whose command a control may run, its own caption first. The
// buttons of the input strip and of the tab pages are often named a little
// differently from the menu entry that carries the command.
QStringList candidateCaptions(const QString& caption) {
  static const std::map<QString, QStringList> aliases = {
      {"八字分析", {"八字详批"}},
      {"八字详批", {"八字分析"}},
      {"姓名分析", {"姓名详批"}},
      {"姓名详批", {"姓名分析"}},
      {"星座分析", {"星座详批"}},
      {"星座详批", {"星座分析"}},
      {"本日吉日", {"黄道吉日"}},
      {"诸葛测字", {"测字论命", "诸葛神数"}},
      {"测字论命", {"诸葛测字", "诸葛神数"}},
      {"诸葛神数", {"诸葛测字", "测字论命"}},
      {"手机号码", {"手机号码分析"}},
      {"数字分析", {"更多数字分析"}},
      {"QQ配对", {"QQ缘分配对"}},
      // The quick-naming button has no window of its own and throws the coins.
      {"快速起名", {"金钱卦"}},
      {"QQ服务(&Q)", {"QQ服务"}},
      {"客户服务(&S)", {"客户服务"}},
      {"退出(&E)", {"退出系统"}},
  };
  QStringList out{caption};
  auto it = aliases.find(caption);
  if (it != aliases.end()) out += it->second;
  return out;
}

enum class CommandKind { None, Own, Pane, Window };

struct ResolvedCommand {
  CommandKind kind = CommandKind::None;
  QString caption;
};

ResolvedCommand resolve(const QString& caption) {
  for (const QString& c : candidateCaptions(caption)) {
    if (ownCaptions().contains(c)) return {CommandKind::Own, c};
    if (FindPaneCommand(c.toStdString())) return {CommandKind::Pane, c};
    if (WindowCommands().count(c)) return {CommandKind::Window, c};
  }
  return {};
}

// ---------------------------------------------------------------------------
// The menus, left to right. An entry with children is a submenu; `name` is
// the object name of the entry where it has one.

struct MenuItem {
  QString caption;
  QString name;
  std::vector<MenuItem> children;
  bool carriesCommand = true;
};

MenuItem entry(const char* caption, const char* name = "") {
  return {caption, name, {}, true};
}
MenuItem idle(const char* caption) {
  return {caption, "", {}, false};
}
MenuItem submenu(const char* caption, std::vector<MenuItem> children) {
  return {caption, "", std::move(children)};
}

std::vector<MenuItem> entries(std::initializer_list<const char*> captions) {
  std::vector<MenuItem> out;
  for (const char* c : captions) out.push_back(entry(c));
  return out;
}

std::vector<MenuItem> mainMenus() {
  std::vector<MenuItem> menus;
  menus.push_back(submenu("系统", {entry("新建测算", "dxBarButton15"), entry("打开记录...", "dxBarButton1"),
                                   entry("打印设置...", "dxBarButton61"), entry("退出系统", "dxBarButton5")}));
  menus.push_back(
      submenu("算命", {entry("八字详批", "dxBarButton81"), entry("生辰信息", "dxBarButton80"),
                       entry("称骨算命", "dxBarButton8"), entry("血型论命", "dxBarButton10"),
                       entry("测字论命", "dxBarButton12"), entry("指纹论命", "dxBarButton11"), idle("属相论命")}));
  menus.push_back(
      submenu("起名", {entry("姓名详批", "dxBarButton408"), entry("姓名原理"), entry("姓氏起源", "dxBarButton289"),
                       entry("起名宝典", "dxBarButton74"), entry("三才吉凶", "dxBarButton7")}));
  menus.push_back(submenu("周易", {entry("金钱卦", "dxBarButton416"), entry("诸葛神数")}));
  menus.push_back(submenu("星座", {entry("星座详批", "dxBarButton409"), entry("星座运程", "dxBarButton14"),
                                   entry("情商解析", "dxBarButton76"), entry("星座实力", "dxBarButton75"),
                                   entry("星座名人", "dxBarButton79"), entry("身体保健", "dxBarButton78"),
                                   entry("五大建议", "dxBarButton77"), entry("星座缺陷", "dxBarButton110")}));
  menus.push_back(submenu("吉日", {entry("黄道吉日", "dxBarButton291")}));
  menus.push_back(submenu("民俗", {entry("打喷嚏占卜", "dxBarButton65"), entry("面热测占卜", "dxBarButton72"),
                                   entry("心惊测占卜", "dxBarButton66"), entry("犬吠测占卜", "dxBarButton67"),
                                   entry("眼跳测占卜", "dxBarButton68"), entry("耳热测占卜", "dxBarButton69"),
                                   entry("耳鸣测占卜", "dxBarButton70")}));
  menus.push_back(submenu("配对", {entry("QQ缘分配对", "dxBarButton280")}));
  menus.push_back(submenu(
      "手相", entries({"认识手相图解", "五指长短藏玄机图", "看手相的注意事项", "各指节所代表的性格图",
                       "幸福家庭婚姻线图", "掌型与人生图", "手掌各部位分析图", "嫁给有钱人分析图", "危险婚姻对象分析图",
                       "10种手相透析你婚姻图", "手相揭开命运奥秘之一图", "手相揭开命运奥秘之二图"})));
  {
    auto face =
        entries({"面型分析", "额形分析", "眉形分析", "下颚分析", "耳形分析", "鼻形分析", "眼形分析", "嘴唇分析"});
    face.push_back(
        submenu("爱情面相图解", entries({"不得不爱的女人", "不如不娶的女人", "敬而远之型男人", "托付终身型男人"})));
    face.push_back(submenu("职场面相图解", entries({"不如别跟的老板", "不能错过的人才", "最不听话的员工"})));
    for (auto& e : entries({"面相十二宫部位解密图", "面相小人图", "麻衣神相十二宫解释", "旺夫运最强的女人面相图",
                            "最得宠的女人面相特点"}))
      face.push_back(e);
    menus.push_back(submenu("面相", std::move(face)));
  }
  menus.push_back(submenu("痣相", entries({"额头凶痣化解方法", "痣相与旺妻好男人", "痣相与旺夫老婆相", "痣相与财富运",
                                           "痣相与有福女", "男女面痣图"})));
  {
    std::vector<MenuItem> fengshui;
    fengshui.push_back(submenu("风水常识", entries({"风水常识", "选房风水"})));
    fengshui.push_back(
        submenu("风水与爱情", entries({"旺夫家居风水设计", "家居风水与姻缘", "桃花盛开制胜秘笈", "家居风水与桃花运",
                                       "风水秘籍钓 \"金龟婿\"", "十二星座卧室桃花运"})));
    for (auto& e : entries({"家居风水开运方法", "财神摆放指南", "随意改房对风水影响", "装修颜色与风水吉凶",
                            "客厅招财布局", "最常见风水煞气及解救方法", "除夕家居风水摆设与新年运",
                            "6种类型的住宅学会驱邪避凶", "家居装饰吉祥物的悬挂方法", "居家好风水的15件宝贝"}))
      fengshui.push_back(e);
    menus.push_back(submenu("风水", std::move(fengshui)));
  }
  {
    std::vector<MenuItem> destiny;
    destiny.push_back(submenu("八字与姓名", entries({"什么是八字", "所谓三才", "称骨算命法", "血型测命", "姓名原理",
                                                     "八字与起名的重要性", "吉祥宝宝起名方法", "择日生子（紧参考）"})));
    for (auto& e : entries({"命自我立", "三世因果经", "心命歌", "太上感应篇", "孝经", "孝悌歌", "孝顺歌", "亲恩歌",
                            "孝道良心歌", "闺训千字文", "孔子与小儿论", "朱子治家格言", "百忍歌"}))
      destiny.push_back(e);
    menus.push_back(submenu("工具", {entry("手机号码分析", "dxBarButton19"), entry("QQ号码分析", "dxBarButton22"),
                                     entry("更多数字分析", "dxBarButton23"), entry("网名分析", "dxBarButton82"),
                                     entry("生男生女", "dxBarButton39"), entry("万年历法", "dxBarButton43"),
                                     submenu("造命", std::move(destiny))}));
  }
  menus.push_back(submenu("帮助", {entry("客户服务", "dxBarButton53"), entry("给我们发邮件", "dxBarButton63"),
                                   entry("公司主页", "dxBarButton44"), entry("帮助主题", "dxBarButton50"),
                                   entry("关于系统", "dxBarButton45"), entry("软件升级", "dxBarButton47")}));
  return menus;
}

// ---------------------------------------------------------------------------
// The tab pages of command buttons. Buttons listed as idle carry no command.

struct TabButton {
  const char* caption;
  const char* name;
  bool carriesCommand;
};

struct TabPage {
  const char* caption;
  std::vector<TabButton> buttons;
};

std::vector<TabPage> tabPages() {
  std::vector<TabPage> pages;
  pages.push_back({"算命",
                   {{"八字详批", "RzBitBtn1", true},
                    {"生辰信息", "RzBitBtn2", true},
                    {"称骨算命", "RzBitBtn7", true},
                    {"血型论命", "RzBitBtn21", true},
                    {"测字论命", "", true},
                    {"指纹论命", "", true},
                    {"姓名详批", "RzBitBtn24", true},
                    {"起名宝典", "", true},
                    {"快速起名", "", true},
                    {"金钱卦", "", true},
                    {"三才吉凶", "", true},
                    {"姓氏起源", "", true},
                    {"手机号码", "", true},
                    {"QQ配对", "", true},
                    {"数字分析", "", true},
                    {"网名分析", "", true},
                    {"万年历法", "", true},
                    {"四柱八字", "", false},
                    {"属相论命", "", false}}});
  pages.push_back({"周易",
                   {{"诸葛神数", "", true},
                    {"金钱卦", "", false},
                    {"八字排盘", "", false},
                    {"六壬起课", "", false},
                    {"六爻起卦", "", false},
                    {"奇门遁甲", "", false},
                    {"玄空飞星", "", false},
                    {"金口诀", "", false},
                    {"紫微斗数", "", false},
                    {"太乙神数", "", false}}});
  TabPage days{"吉日", {{"黄道吉日", "", true}}};
  for (const char* c : {"开市吉日", "嫁娶吉日", "订盟吉日", "纳采吉日", "入宅吉日", "移徙吉日", "安床吉日", "动土吉日",
                        "破土吉日", "修造吉日", "上梁吉日", "竖柱吉日", "出行吉日", "求医吉日", "祭祀吉日", "祈福吉日",
                        "求嗣吉日", "安葬吉日", "立券吉日", "交易吉日", "纳财吉日", "栽种吉日", "开光吉日", "挂匾吉日"})
    days.buttons.push_back({c, "", false});
  pages.push_back(days);
  pages.push_back({"星座",
                   {{"星座详批", "RzBitBtn42", true},
                    {"星座运程", "", true},
                    {"情商解析", "", true},
                    {"星座实力", "", true},
                    {"星座名人", "", true},
                    {"身体保健", "", true},
                    {"五大建议", "", true},
                    {"星座缺陷", "", true},
                    {"星座排盘", "", false}}});
  return pages;
}

// Point sizes of the pane's font, by the items of CBFont.
struct FontSize {
  const char* name;
  int points;
};
constexpr FontSize kFontSizes[] = {{"三号", 16},   {"小三号", 15}, {"四号", 14},
                                   {"小四号", 12}, {"五号", 11},   {"小五号", 9}};
constexpr int kDefaultFontItem = 5;
constexpr int kNoItemPoints = 9;

// The fixed-width face of the result pane: a Chinese character is exactly two
// blanks wide, so columns aligned with blanks line up. Advances must not be
// rounded to whole pixels one glyph at a time (full hinting would make a
// 16-point character 21 pixels and a blank 11), so only vertical hinting is
// allowed.
QFont paneFont(int points) {
  QFont f(QStringLiteral("Noto Sans Mono CJK SC"));
  f.setStyleHint(QFont::TypeWriter);
  f.setHintingPreference(QFont::PreferVerticalHinting);
  f.setPointSize(points);
  return f;
}

// ---------------------------------------------------------------------------
// Pictures drawn behind widgets.

// The input strip sits on the banner; a click on the banner itself (not on a
// field or button) opens the product's web page.
class BannerStrip : public QWidget {
 public:
  explicit BannerStrip(QWidget* parent) : QWidget(parent), renderer_(QStringLiteral(":/banner.svg"), this) {
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("访问衡木命理网站"));
  }
  std::function<void()> clicked;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    renderer_.render(&p, rect());
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && clicked) clicked();
  }

 private:
  QSvgRenderer renderer_;
};

// The area of the result pane: the background picture shows until the pane
// is made visible by the first reading.
class PaneBackdrop : public QWidget {
 public:
  explicit PaneBackdrop(QWidget* parent) : QWidget(parent), renderer_(QStringLiteral(":/background.svg"), this) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(246, 255, 238));
    QSizeF size = renderer_.defaultSize();
    size.scale(QSizeF(this->size()), Qt::KeepAspectRatioByExpanding);
    QRectF target(QPointF(0, 0), size);
    target.moveCenter(QRectF(rect()).center());
    renderer_.render(&p, target);
  }

 private:
  QSvgRenderer renderer_;
};

QLabel* fieldLabel(const char* text, QWidget* parent) {
  auto* l = new QLabel(QString::fromUtf8(text), parent);
  l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return l;
}

QComboBox* editableCombo(const char* name, const QStringList& items, const QString& initial, int width,
                         QWidget* parent) {
  auto* c = new QComboBox(parent);
  c->setObjectName(QString::fromUtf8(name));
  c->setEditable(true);
  // Typed texts are taken as they stand; they never join the list.
  c->setInsertPolicy(QComboBox::NoInsert);
  c->addItems(items);
  c->setCurrentIndex(items.indexOf(initial));
  c->setFixedWidth(width);
  return c;
}

void setComboText(QComboBox* combo, const std::string& text) {
  QString t = QString::fromStdString(text);
  if (combo->currentText() == t) return;
  int index = combo->findText(t);
  if (index >= 0)
    combo->setCurrentIndex(index);
  else
    combo->setEditText(t);
}

}  // namespace

// ---------------------------------------------------------------------------

TFrmmain::TFrmmain(QWidget* parent) : QMainWindow(parent) {
  ui::EnsurePictures();
  setObjectName("TFrmmain");
  setWindowTitle(ui::AppTitle());
  setWindowIcon(QIcon(QStringLiteral(":/icon.svg")));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  QFont windowFont(QStringLiteral("Noto Sans CJK SC"));
  windowFont.setPointSize(9);
  setFont(windowFont);
  setFixedSize(800, 600);

  state_.showMessage = [this](const std::string& text) { ui::ShowMessage(this, QString::fromStdString(text)); };

  buildMenus();

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(buildEntryStrip());
  auto* body = new QHBoxLayout;
  body->setContentsMargins(2, 2, 2, 0);
  body->setSpacing(3);
  body->addWidget(buildTabs());
  body->addWidget(buildPaneColumn(), 1);
  column->addLayout(body, 1);
  setCentralWidget(central);

  statusText_ = new QLabel(QStringLiteral("欢迎使用衡木命理出品系列软件,联系电话:") + contact::kPhone +
                               QStringLiteral(" ,QQ: ") + contact::kQQ,
                           this);
  statusText_->setObjectName("StatusText");
  statusBar()->setObjectName("RzStatusBar1");
  statusBar()->setSizeGripEnabled(false);
  statusBar()->addWidget(statusText_, 1);
}

TFrmmain::~TFrmmain() = default;

void TFrmmain::buildMenus() {
  std::function<void(QMenu*, const std::vector<MenuItem>&)> fill = [&](QMenu* menu,
                                                                       const std::vector<MenuItem>& items) {
    for (const MenuItem& item : items) {
      if (!item.children.empty()) {
        QMenu* sub = menu->addMenu(item.caption);
        sub->setObjectName(QStringLiteral("menu_") + item.caption);
        fill(sub, item.children);
        continue;
      }
      QAction* action = menu->addAction(item.caption);
      if (!item.name.isEmpty()) action->setObjectName(item.name);
      wireAction(action, item.caption, item.carriesCommand);
    }
  };
  for (const MenuItem& top : mainMenus()) {
    QMenu* menu = menuBar()->addMenu(top.caption);
    menu->setObjectName(QStringLiteral("menu_") + top.caption);
    fill(menu, top.children);
  }
}

QWidget* TFrmmain::buildEntryStrip() {
  auto* strip = new BannerStrip(this);
  strip->setObjectName("Banner");
  strip->setFixedHeight(92);
  strip->clicked = [] { ui::OpenUrl(QUrl(QString::fromUtf8(contact::kProductPage))); };

  auto* outer = new QHBoxLayout(strip);
  // The right end of the banner carries the product's emblem and name.
  outer->setContentsMargins(10, 4, 92, 6);
  outer->setSpacing(8);
  auto* fields = new QVBoxLayout;
  fields->setSpacing(4);
  outer->addLayout(fields);

  auto* heading = new QLabel(QStringLiteral("请输入基本信息："), strip);
  heading->setObjectName("HeadingLabel");
  QFont hf = heading->font();
  hf.setBold(true);
  heading->setFont(hf);
  fields->addWidget(heading);

  NameA = new QLineEdit(strip);
  NameA->setObjectName("NameA");
  NameA->setFixedWidth(64);
  ui::LimitGbkBytes(NameA, 4);
  NameB = new QLineEdit(strip);
  NameB->setObjectName("NameB");
  NameB->setFixedWidth(64);
  ui::LimitGbkBytes(NameB, 4);
  Sex = editableCombo("Sex", {"男", "女"}, "男", 52, strip);
  Xuxing = editableCombo("Xuxing", {"A型", "B型", "O型", "AB型"}, "A型", 64, strip);
  ComDate = editableCombo("ComDate", {"生日公历", "生日农历"}, "生日公历", 96, strip);

  QStringList years;
  for (int y = 1900; y <= 2019; ++y) years << QString::number(y);
  QStringList months;
  for (int m = 1; m <= 12; ++m) months << QString::number(m);
  QStringList days;
  for (int d = 1; d <= 31; ++d) days << QString::number(d);
  QStringList hours;
  static const char* const kHourBranches = "子丑丑寅寅卯卯辰辰巳巳午午未未申申酉酉戌戌亥亥子";
  const QString branches = QString::fromUtf8(kHourBranches);
  for (int h = 0; h < 24; ++h) hours << branches.mid(h, 1) + " " + QString::number(h);
  SYear = editableCombo("SYear", years, "1980", 64, strip);
  SMonth = editableCombo("SMonth", months, "1", 52, strip);
  Sday = editableCombo("Sday", days, "1", 52, strip);
  Shour = editableCombo("Shour", hours, QStringLiteral("子 0"), 64, strip);

  // Each row is a label and its field, in tab order.
  auto row = [&](std::initializer_list<std::pair<const char*, QWidget*>> items) {
    auto* line = new QHBoxLayout;
    line->setSpacing(4);
    for (const auto& [label, field] : items) {
      if (*label) {
        line->addSpacing(4);
        line->addWidget(fieldLabel(label, strip));
      }
      line->addWidget(field);
    }
    line->addStretch(1);
    fields->addLayout(line);
  };
  row({{"姓", NameA}, {"名", NameB}, {"姓别", Sex}, {"血型", Xuxing}, {"", ComDate}});
  row({{"年", SYear}, {"月", SMonth}, {"日", Sday}, {"时", Shour}});

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(5);
  grid->setVerticalSpacing(4);
  grid->setRowMinimumHeight(0, heading->sizeHint().height());
  outer->addStretch(1);
  outer->addLayout(grid);

  struct StripButton {
    const char* caption;
    const char* name;
    void (TFrmmain::*handler)();
  };
  const StripButton buttons[] = {{"八字分析", "RzButton1", &TFrmmain::RzButton1Click},
                                 {"姓名分析", "RzButton2", &TFrmmain::RzButton2Click},
                                 {"星座分析", "RzButton3", &TFrmmain::RzButton3Click},
                                 {"诸葛测字", "RzButton4", nullptr},
                                 {"本日吉日", "RzButton5", nullptr}};
  for (int i = 0; i < 5; ++i) {
    auto* b = new QPushButton(QString::fromUtf8(buttons[i].caption), strip);
    b->setObjectName(buttons[i].name);
    b->setFixedWidth(68);
    b->setCursor(Qt::ArrowCursor);
    grid->addWidget(b, 1 + i / 3, i % 3);
    if (buttons[i].handler) {
      connect(b, &QPushButton::clicked, this, buttons[i].handler);
      b->setEnabled(CommandAvailable(b->text()));
    } else {
      wireButton(b, b->text());
    }
  }
  return strip;
}

QWidget* TFrmmain::buildTabs() {
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName("RzPageControl1");
  tabs->setFixedWidth(191);
  tabs->setUsesScrollButtons(false);
  tabs->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 4px 10px; }"));
  int pageNumber = 0;
  for (const TabPage& page : tabPages()) {
    auto* w = new QWidget(tabs);
    w->setObjectName(QStringLiteral("TabSheet%1").arg(++pageNumber));
    auto* grid = new QGridLayout(w);
    grid->setContentsMargins(5, 6, 5, 6);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    int i = 0;
    for (const TabButton& tb : page.buttons) {
      auto* b = new QPushButton(QString::fromUtf8(tb.caption), w);
      if (*tb.name) b->setObjectName(tb.name);
      b->setFixedHeight(26);
      grid->addWidget(b, i / 2, i % 2);
      wireButton(b, b->text(), tb.carriesCommand);
      ++i;
    }
    grid->setRowStretch((i + 1) / 2, 1);
    tabs->addTab(w, QString::fromUtf8(page.caption));
  }
  return tabs;
}

QWidget* TFrmmain::buildPaneColumn() {
  auto* column = new QWidget(this);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);

  auto* backdrop = new PaneBackdrop(column);
  backdrop->setObjectName("PaneBackdrop");
  auto* inner = new QVBoxLayout(backdrop);
  inner->setContentsMargins(0, 0, 0, 0);
  RzMemo1 = new QPlainTextEdit(backdrop);
  RzMemo1->setObjectName("RzMemo1");
  RzMemo1->setReadOnly(true);
  RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RzMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  QPalette pal = RzMemo1->palette();
  pal.setColor(QPalette::Base, QColor(246, 255, 238));
  RzMemo1->setPalette(pal);
  RzMemo1->setFont(paneFont(kFontSizes[kDefaultFontItem].points));
  RzMemo1->setVisible(false);
  inner->addWidget(RzMemo1);
  layout->addWidget(backdrop, 1);

  auto* bar = new QWidget(column);
  bar->setObjectName("FontBar");
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(4, 2, 4, 2);
  row->setSpacing(6);
  row->addWidget(new QLabel(QStringLiteral("字体大小："), bar));
  CBFont = new QComboBox(bar);
  CBFont->setObjectName("CBFont");
  for (const FontSize& fs : kFontSizes) CBFont->addItem(QString::fromUtf8(fs.name));
  CBFont->setCurrentIndex(kDefaultFontItem);
  CBFont->setFixedWidth(80);
  connect(CBFont, &QComboBox::currentIndexChanged, this, &TFrmmain::CBFontChange);
  row->addWidget(CBFont);
  row->addStretch(1);
  const struct {
    const char* caption;
    const char* name;
  } buttons[] = {{"QQ服务(&Q)", "BtnQQ"}, {"客户服务(&S)", "BtnService"}, {"退出(&E)", "BtnExit"}};
  for (const auto& item : buttons) {
    auto* b = new QPushButton(QString::fromUtf8(item.caption), bar);
    b->setObjectName(item.name);
    wireButton(b, QString::fromUtf8(item.caption));
    row->addWidget(b);
  }
  layout->addWidget(bar);
  return column;
}

void TFrmmain::wireButton(QAbstractButton* button, const QString& caption, bool carriesCommand) {
  button->setEnabled(carriesCommand && CommandAvailable(caption));
  if (carriesCommand) connect(button, &QAbstractButton::clicked, this, [this, caption] { RunCommand(caption); });
}

void TFrmmain::wireAction(QAction* action, const QString& caption, bool carriesCommand) {
  action->setEnabled(carriesCommand && CommandAvailable(caption));
  if (carriesCommand) connect(action, &QAction::triggered, this, [this, caption] { RunCommand(caption); });
}

bool TFrmmain::CommandAvailable(const QString& caption) {
  return resolve(caption).kind != CommandKind::None;
}

void TFrmmain::RunCommand(const QString& caption) {
  const ResolvedCommand cmd = resolve(caption);
  switch (cmd.kind) {
    case CommandKind::None:
      return;
    case CommandKind::Own:
      if (cmd.caption == QStringLiteral("打开记录..."))
        dxBarButton1Click();
      else if (cmd.caption == QStringLiteral("打印设置..."))
        dxBarButton61Click();
      else if (cmd.caption == QStringLiteral("退出系统"))
        dxBarButton5Click();
      return;
    case CommandKind::Pane:
      runPaneCommand(cmd.caption.toStdString());
      // A new reading starts with the cursor in the surname.
      if (cmd.caption == QStringLiteral("新建测算")) NameA->setFocus();
      return;
    case CommandKind::Window:
      runWindowCommand(cmd.caption);
      return;
  }
}

void TFrmmain::runPaneCommand(const std::string& caption) {
  fieldsToState();
  const int scrollsBefore = state_.pane.ScrollRequests();
  try {
    state_.Run(caption);
  } catch (const Notice& n) {
    ui::ShowNotice(this, QString::fromStdString(n.what()));
  } catch (const ConversionError& e) {
    ui::ShowErrorBox(this, QString::fromStdString(e.what()));
  }
  fieldsFromState();
  showPane(scrollsBefore);
}

void TFrmmain::runWindowCommand(const QString& caption) {
  auto it = WindowCommands().find(caption);
  if (it == WindowCommands().end()) return;
  // Hold the command by value: a window it opens may run commands of its own.
  WindowCommand command = it->second;
  fieldsToState();
  const int scrollsBefore = state_.pane.ScrollRequests();
  try {
    command(this, state_);
  } catch (const Notice& n) {
    ui::ShowNotice(this, QString::fromStdString(n.what()));
  } catch (const ConversionError& e) {
    ui::ShowErrorBox(this, QString::fromStdString(e.what()));
  } catch (const StoreError& e) {
    ui::ShowErrorBox(this, QString::fromStdString(e.what()));
  } catch (const SilentAbort&) {
  }
  fieldsFromState();
  showPane(scrollsBefore);
}

void TFrmmain::fieldsToState() {
  EntryFields& f = state_.fields;
  f.NameA = NameA->text().toStdString();
  f.NameB = NameB->text().toStdString();
  f.Sex = Sex->currentText().toStdString();
  f.Xuxing = Xuxing->currentText().toStdString();
  f.ComDate = ComDate->currentText().toStdString();
  // The item whose text is showing; a typed text that matches no item is -1.
  f.ComDateIndex = ComDate->findText(ComDate->currentText());
  f.SYear = SYear->currentText().toStdString();
  f.SMonth = SMonth->currentText().toStdString();
  f.Sday = Sday->currentText().toStdString();
  f.Shour = Shour->currentText().toStdString();
}

void TFrmmain::fieldsFromState() {
  const EntryFields& f = state_.fields;
  auto setEdit = [](QLineEdit* e, const std::string& text) {
    QString t = QString::fromStdString(text);
    if (e->text() != t) e->setText(t);
  };
  setEdit(NameA, f.NameA);
  setEdit(NameB, f.NameB);
  setComboText(Sex, f.Sex);
  setComboText(Xuxing, f.Xuxing);
  setComboText(ComDate, f.ComDate);
  setComboText(SYear, f.SYear);
  setComboText(SMonth, f.SMonth);
  setComboText(Sday, f.Sday);
  setComboText(Shour, f.Shour);
}

void TFrmmain::showPane(int scrollRequestsBefore) {
  const Pane& pane = state_.pane;
  if (pane.Lines() != shownLines_) {
    shownLines_ = pane.Lines();
    QString text;
    for (std::size_t i = 0; i < shownLines_.size(); ++i) {
      if (i) text += QLatin1Char('\n');
      text += QString::fromStdString(shownLines_[i]);
    }
    RzMemo1->setPlainText(text);
  }
  if (pane.Visible() && RzMemo1->isHidden()) RzMemo1->setVisible(true);
  if (pane.ScrollRequests() != scrollRequestsBefore) {
    RzMemo1->moveCursor(QTextCursor::Start);
    RzMemo1->verticalScrollBar()->setValue(0);
  }
}

// ---------------------------------------------------------------------------
// Handlers of the main window's own controls.

void TFrmmain::RzButton1Click() {
  RunCommand(QStringLiteral("八字分析"));
}
void TFrmmain::RzButton2Click() {
  RunCommand(QStringLiteral("姓名分析"));
}
void TFrmmain::RzButton3Click() {
  RunCommand(QStringLiteral("星座分析"));
}

void TFrmmain::dxBarButton15Click() {
  RunCommand(QStringLiteral("新建测算"));
}

void TFrmmain::dxBarButton1Click() {
  const QString path = ui::AskOpenFileName(this, QStringLiteral("打开记录"));
  if (path.isEmpty()) return;
  std::vector<std::string> lines;
  // A file that cannot be read leaves the pane empty, without a message.
  ReadRecordFile(path.toStdString(), lines);
  const int scrolls = state_.pane.ScrollRequests();
  state_.pane.SetLines(std::move(lines));
  showPane(scrolls);
  RzMemo1->moveCursor(QTextCursor::Start);
}

QPrinter* TFrmmain::Printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    const double margin = 12.7;
    printer_->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                        QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter));
    printer_->setDocName(ui::AppTitle());
  }
  return printer_.get();
}

void TFrmmain::PrintPane(QPrinter* printer) {
  RzMemo1->print(printer);
}

void TFrmmain::dxBarButton61Click() {
  // Printing problems (no printer installed, a cancelled job) are not the
  // user's concern here: whatever goes wrong is dropped.
  try {
    QPrinter* printer = Printer();
    switch (ui::AskPageSetup(this, printer)) {
      case ui::PageSetupChoice::Preview:
        ui::ShowPrintPreview(this, printer, [this](QPrinter* p) { PrintPane(p); });
        break;
      case ui::PageSetupChoice::Print:
        if (ui::AskPrint(this, printer)) PrintPane(printer);
        break;
      case ui::PageSetupChoice::Ok:
      case ui::PageSetupChoice::Cancel:
        break;
    }
  } catch (...) {
  }
}

void TFrmmain::dxBarButton5Click() {
  close();
}

void TFrmmain::CBFontChange(int index) {
  const int points =
      index >= 0 && index < static_cast<int>(std::size(kFontSizes)) ? kFontSizes[index].points : kNoItemPoints;
  // The print layout takes the pane's font, so printing follows the choice.
  RzMemo1->setFont(paneFont(points));
}

void TFrmmain::FormShow() {
  NameA->setFocus();
}

void TFrmmain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
}

void TFrmmain::closeEvent(QCloseEvent* event) {
  // Closing the main window ends the program at once, whatever other
  // windows are still open.
  event->accept();
  QCoreApplication::quit();
}

}  // namespace hm
