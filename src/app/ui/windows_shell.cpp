// Windows and desktop actions of the application shell: help, contact,
// About, customer service and the 生男生女 chart.
#include <QUrl>

#include "app/ui/TAbout.h"
#include "app/ui/TFrmHelp.h"
#include "app/ui/TFrm_NanNv.h"
#include "app/ui/TFrm_servers.h"
#include "app/ui/contact.h"
#include "app/ui/window_commands.h"
#include "ui/dialogs.h"
#include "ui/notice.h"

namespace hm {

void RegisterShellWindows(WindowCommandTable& table) {
  table[QStringLiteral("生男生女")] = [](QWidget* parent, MainState&) { ui::ShowModal(new TFrm_NanNv(parent)); };
  table[QStringLiteral("客户服务")] = [](QWidget* parent, MainState&) { ui::ShowModal(new TFrm_servers(parent)); };
  table[QStringLiteral("关于系统")] = [](QWidget* parent, MainState&) { ui::ShowModal(new TAbout(parent)); };
  table[QStringLiteral("帮助主题")] = [](QWidget* parent, MainState&) {
    auto* help = new TFrmHelp(TFrmHelp::GuidePath(), parent);
    help->setAttribute(Qt::WA_DeleteOnClose);
    help->show();
  };
  table[QStringLiteral("软件升级")] = [](QWidget* parent, MainState&) {
    ui::ShowNotice(parent, QStringLiteral("感谢你的使用,软件是最新版无需升级!"));
  };
  table[QStringLiteral("公司主页")] = [](QWidget*, MainState&) {
    ui::OpenUrl(QUrl(QString::fromUtf8(contact::kHomePage)));
  };
  table[QStringLiteral("给我们发邮件")] = [](QWidget*, MainState&) {
    ui::OpenUrl(QUrl(QStringLiteral("mailto:") + contact::kMail));
  };
  table[QStringLiteral("QQ服务")] = [](QWidget*, MainState&) {
    ui::OpenUrl(QUrl(QString::fromUtf8(contact::kQQPage)));
  };
}

}  // namespace hm
