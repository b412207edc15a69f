#include "ui/dialogs.h"

#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>
#include <optional>

namespace hm::ui {

namespace {
std::optional<QString> g_nextOpenFile;
std::optional<PageSetupChoice> g_nextPageSetup;
std::optional<bool> g_nextPrint;
bool g_previewSkipped = false;
bool g_modalNonBlocking = false;
bool g_recordUrls = false;
}  // namespace

QString AskOpenFileName(QWidget* parent, const QString& caption) {
  if (g_nextOpenFile) {
    QString path = *g_nextOpenFile;
    g_nextOpenFile.reset();
    return path;
  }
  return QFileDialog::getOpenFileName(parent, caption);
}

void SetNextOpenFileName(const QString& path) {
  g_nextOpenFile = path;
}

PageSetupChoice AskPageSetup(QWidget* parent, QPrinter* printer) {
  if (g_nextPageSetup) {
    PageSetupChoice c = *g_nextPageSetup;
    g_nextPageSetup.reset();
    return c;
  }
  QPageSetupDialog dialog(printer, parent);
  dialog.setWindowTitle(QStringLiteral("打印设置"));
  PageSetupChoice choice = PageSetupChoice::Ok;
  // The dialog's own button row gets two more ways out: to the preview and
  // straight to printing. Both keep the page settings chosen so far.
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
    QPushButton* preview = buttons->addButton(QStringLiteral("预览(&V)..."), QDialogButtonBox::ActionRole);
    QPushButton* print = buttons->addButton(QStringLiteral("打印(&P)..."), QDialogButtonBox::ActionRole);
    QObject::connect(preview, &QPushButton::clicked, &dialog, [&] {
      choice = PageSetupChoice::Preview;
      dialog.accept();
    });
    QObject::connect(print, &QPushButton::clicked, &dialog, [&] {
      choice = PageSetupChoice::Print;
      dialog.accept();
    });
  }
  if (dialog.exec() != QDialog::Accepted) return PageSetupChoice::Cancel;
  return choice;
}

bool AskPrint(QWidget* parent, QPrinter* printer) {
  if (g_nextPrint) {
    bool answer = *g_nextPrint;
    g_nextPrint.reset();
    return answer;
  }
  QPrintDialog dialog(printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

void ShowPrintPreview(QWidget* parent, QPrinter* printer, const std::function<void(QPrinter*)>& paint) {
  if (g_previewSkipped) {
    paint(printer);
    return;
  }
  QPrintPreviewDialog preview(printer, parent);
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&](QPrinter* p) { paint(p); });
  preview.exec();
}

void SetNextPageSetupChoice(PageSetupChoice choice) {
  g_nextPageSetup = choice;
}
void SetNextPrintAnswer(bool print) {
  g_nextPrint = print;
}
void SetPreviewSkipped(bool skipped) {
  g_previewSkipped = skipped;
}

void ShowModal(QDialog* window) {
  window->setAttribute(Qt::WA_DeleteOnClose);
  if (g_modalNonBlocking) {
    ModalWindowsShown().append(window->objectName());
    window->show();
    return;
  }
  window->exec();
}

void SetModalNonBlocking(bool on) {
  g_modalNonBlocking = on;
  ModalWindowsShown().clear();
}

QStringList& ModalWindowsShown() {
  static QStringList list;
  return list;
}

void OpenUrl(const QUrl& url) {
  if (g_recordUrls) {
    OpenedUrls().append(url.toString());
    return;
  }
  QDesktopServices::openUrl(url);
}

void RecordOpenedUrls(bool on) {
  g_recordUrls = on;
  OpenedUrls().clear();
}

QStringList& OpenedUrls() {
  static QStringList list;
  return list;
}

}  // namespace hm::ui
