#include "app/ui/TAbout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/ui/contact.h"
#include "ui/pictures.h"

namespace hm {

TAbout::TAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("TAbout");
  setWindowTitle(QStringLiteral("关于系统"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(321, 149);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(12, 10, 12, 10);
  row->setSpacing(14);

  auto* picture = new QLabel(this);
  picture->setObjectName("Image1");
  picture->setPixmap(ui::SvgPixmap(QStringLiteral(":/about.svg"), QSize(100, 125), devicePixelRatioF()));
  picture->setFixedSize(100, 125);
  row->addWidget(picture);

  auto* text = new QVBoxLayout;
  text->setSpacing(6);
  auto* name = new QLabel(QStringLiteral("衡木命理"), this);
  name->setObjectName("ProductName");
  QFont nf = name->font();
  nf.setPointSize(16);
  nf.setBold(true);
  name->setFont(nf);
  name->setStyleSheet(QStringLiteral("color: #3d6b2f;"));
  text->addStretch(1);
  text->addWidget(name);
  text->addSpacing(6);
  auto* qq = new QLabel(QStringLiteral("QQ：") + contact::kQQ, this);
  qq->setObjectName("QQLabel");
  qq->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text->addWidget(qq);
  auto* tel = new QLabel(QStringLiteral("TEL：") + contact::kPhone, this);
  tel->setObjectName("TelLabel");
  tel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  text->addWidget(tel);
  text->addStretch(1);
  row->addLayout(text, 1);
}

void TAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ui::CentreOnScreen(this);
}

}  // namespace hm
