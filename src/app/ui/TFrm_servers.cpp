#include "app/ui/TFrm_servers.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui/contact.h"
#include "ui/pictures.h"

namespace hm {

namespace {

QString block(const QString& heading, const QString& body) {
  return QStringLiteral("<b>%1</b><br>%2").arg(heading.toHtmlEscaped(), body.toHtmlEscaped());
}

}  // namespace

TFrm_servers::TFrm_servers(QWidget* parent) : QDialog(parent) {
  setObjectName("TFrm_servers");
  setWindowTitle(QStringLiteral("客户服务"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setFixedSize(500, 390);

  const QString phone = QString::fromUtf8(contact::kPhone);
  const QString qq = QString::fromUtf8(contact::kQQ);
  const QString mail = QString::fromUtf8(contact::kMail);
  const struct {
    const char* icon;
    QString text;
  } blocks[] = {
      {":/service_business.svg",
       block(QStringLiteral("市场合作:"),
             QStringLiteral(
                 "软件代理、渠道推广、内容授权等商务事宜，请来电或来信与市场部联系，我们会安排专人与您洽谈。"))},
      {":/service_phone.svg",
       QStringLiteral("当您在使用产品的时候有任何问题、建议或疑问，欢迎您拨打热线电话。<br><b>服务电话：</b>") + phone},
      {":/service_chat.svg",
       QStringLiteral("<b>QQ在线支持：</b>") + qq +
           QStringLiteral("<br>所有的业务咨询，我们都会于当日给您答复，所以如果您发贴后没有马上看到答复请您耐心等待，"
                          "稍后可以再来查看。")},
      {":/service_mail.svg",
       QStringLiteral("<b>技术支持邮箱：</b>") + mail.toHtmlEscaped() +
           QStringLiteral("<br>当您在使用我们的软件过程中，有不明白或有别的问题时，您可以发送邮件到这里，"
                          "我们会尽快给您答复。")},
  };

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 14, 14, 10);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(14);
  int row = 0;
  for (const auto& b : blocks) {
    auto* icon = new QLabel(this);
    icon->setPixmap(ui::SvgPixmap(QString::fromUtf8(b.icon), QSize(48, 48), devicePixelRatioF()));
    icon->setFixedSize(48, 48);
    grid->addWidget(icon, row, 0, Qt::AlignTop);
    auto* text = new QLabel(b.text, this);
    text->setObjectName(QStringLiteral("ServiceText%1").arg(row + 1));
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(text, row, 1);
    ++row;
  }
  grid->setColumnStretch(1, 1);
  layout->addLayout(grid);
  layout->addStretch(1);
  auto* close = new QPushButton(QStringLiteral("关闭"), this);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  layout->addWidget(close, 0, Qt::AlignRight);
}

}  // namespace hm
