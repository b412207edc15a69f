#include "app/ui/TFrm_NanNv.h"

#include <QLabel>
#include <QPainter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/conception_chart.h"

namespace hm {

namespace {

constexpr int kTitleHeight = 26;
constexpr int kHeaderHeight = 34;
constexpr int kRowHeight = 24;
constexpr int kCornerWidth = 72;

// The article of the third page, on the mother's mood and the old belief
// that a cheerful mother has a boy.
const char* const kArticle = R"(<h3 style="color:#3d6b2f">生男生女有秘诀？——从准妈妈的心情说起</h3>
<p>民间关于生男生女的说法很多，其中流传最广的一条，说的是准妈妈的心情：怀孕前心境开朗、乐观豁达的女性，
更容易得个男孩；常常忧虑烦闷的女性，则多半生女孩。不少长辈至今还拿这句话叮嘱新婚的儿媳，要她凡事想开些。</p>
<p>这种说法并非凭空而来。旧时人们看到，家道和顺、夫妻恩爱的人家往往子孙兴旺，便把功劳记在母亲的好脾气上；
近些年也有调查认为，孕前生活安定、情绪平稳的女性，生男孩的比例略高一点。“乐观生男”的说法于是越传越广。</p>
<p>不过要明白，胎儿是男是女，在精子与卵子结合的那一刻就已经定下，取决于父亲一方带来的是X染色体还是Y染色体。
情绪或许会通过身体的内环境对受孕有些细微的影响，但远远称不上“秘诀”，没有哪一种方法能保证一定生男或生女。</p>
<p>真正值得看重的，是好心情对母子健康的益处。心情舒畅的准妈妈睡得安稳、吃得香甜，内分泌平稳，孕期的不适也少，
腹中的宝宝自然长得更好。与其为男女操心，不如放宽心胸，起居有常，适当活动，按时产检。</p>
<p>男孩女孩都是父母的心头肉。前两页的清宫表是流传已久的民俗，只供茶余饭后说笑，切莫据此作任何医疗上的决定。</p>)";

}  // namespace

ConceptionChartView::ConceptionChartView(int firstAge, int lastAge, const QString& title, QWidget* parent)
    : QWidget(parent), firstAge_(firstAge), lastAge_(lastAge), title_(title) {
  setMinimumHeight(kTitleHeight + kHeaderHeight + 12 * kRowHeight + 2);
}

QString ConceptionChartView::CellText(int month, int age) const {
  if (age < firstAge_ || age > lastAge_) return {};
  return QString::fromUtf8(ConceptionChartCell(age, month));
}

void ConceptionChartView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.fillRect(rect(), QColor(250, 253, 246));

  const int columns = lastAge_ - firstAge_ + 1;
  const int cellWidth = (width() - kCornerWidth - 2) / columns;
  const int gridWidth = kCornerWidth + columns * cellWidth;
  const int left = (width() - gridWidth) / 2;
  const int top = kTitleHeight;
  const QColor line(120, 150, 100);
  const QColor headerFill(221, 238, 205);

  QFont titleFont = font();
  titleFont.setBold(true);
  titleFont.setPointSize(font().pointSize() + 2);
  p.setFont(titleFont);
  p.setPen(QColor(61, 107, 47));
  p.drawText(QRect(left, 0, gridWidth, kTitleHeight - 4), Qt::AlignCenter, title_);
  p.setFont(font());

  // Header row and the corner cell with its diagonal: the ages run across,
  // the months down.
  p.fillRect(QRect(left, top, gridWidth, kHeaderHeight), headerFill);
  p.fillRect(QRect(left, top + kHeaderHeight, kCornerWidth, 12 * kRowHeight), headerFill);
  p.setPen(line);
  const QRect corner(left, top, kCornerWidth, kHeaderHeight);
  p.drawLine(corner.topLeft(), corner.bottomRight() + QPoint(1, 1));
  p.setPen(Qt::black);
  p.drawText(corner.adjusted(0, 2, -4, 0), Qt::AlignRight | Qt::AlignTop, QStringLiteral("怀孕年龄"));
  p.drawText(corner.adjusted(4, 0, 0, -2), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("月份"));
  for (int c = 0; c < columns; ++c) {
    QRect r(left + kCornerWidth + c * cellWidth, top, cellWidth, kHeaderHeight);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("%1岁").arg(firstAge_ + c));
  }
  for (int month = 1; month <= 12; ++month) {
    const int y = top + kHeaderHeight + (month - 1) * kRowHeight;
    p.setPen(Qt::black);
    p.drawText(QRect(left, y, kCornerWidth, kRowHeight), Qt::AlignCenter, QStringLiteral("%1月").arg(month));
    for (int c = 0; c < columns; ++c) {
      QRect r(left + kCornerWidth + c * cellWidth, y, cellWidth, kRowHeight);
      const QString text = CellText(month, firstAge_ + c);
      const bool boy = text == QStringLiteral("男");
      p.fillRect(r, boy ? QColor(222, 236, 250) : QColor(252, 230, 233));
      p.setPen(boy ? QColor(30, 80, 150) : QColor(170, 40, 70));
      p.drawText(r, Qt::AlignCenter, text);
    }
  }

  // Grid lines.
  p.setPen(line);
  const int bottom = top + kHeaderHeight + 12 * kRowHeight;
  p.drawRect(QRect(left, top, gridWidth, bottom - top));
  for (int c = 0; c <= columns; ++c) {
    const int x = left + kCornerWidth + c * cellWidth;
    p.drawLine(x, top, x, bottom);
  }
  for (int r = 0; r <= 12; ++r) {
    const int y = top + kHeaderHeight + r * kRowHeight;
    p.drawLine(left, y, left + gridWidth, y);
  }
}

TFrm_NanNv::TFrm_NanNv(QWidget* parent) : QDialog(parent) {
  setObjectName("TFrm_NanNv");
  setWindowTitle(QStringLiteral("生男生女"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(594, 480);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  auto* note = new QLabel(
      QStringLiteral("说明：此表年龄为母亲虚岁年龄，月份指怀孕月份，以农历为准。遇闰月，上半月以上个月份计算，"
                     "下半月以下个月份计算。查表时，看年龄与月份坐标交叉点即可知道孕育是男还是女。"),
      this);
  note->setObjectName("NoteLabel");
  note->setWordWrap(true);
  layout->addWidget(note);

  auto* tabs = new QTabWidget(this);
  tabs->setObjectName("RzPageControl1");
  tabs->addTab(new ConceptionChartView(18, 31, QStringLiteral("清宫生男生女表：18-31岁"), tabs),
               QStringLiteral("18到31岁"));
  tabs->addTab(new ConceptionChartView(32, 44, QStringLiteral("续表：32-44岁"), tabs), QStringLiteral("32到44岁"));
  auto* article = new QTextBrowser(tabs);
  article->setObjectName("ArticleText");
  article->setHtml(QString::fromUtf8(kArticle));
  tabs->addTab(article, QStringLiteral("生男生女有秘诀"));
  layout->addWidget(tabs, 1);
}

}  // namespace hm
