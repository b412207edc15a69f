// Modal dialogs and shell actions shared by the windows, each with a test
// hook so that window tests never block on a dialog or start a browser.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QPrinter;
class QUrl;
class QWidget;

namespace hm::ui {

// The open-file dialog (no filter). Returns the chosen path, or an empty
// text when the user cancels.
QString AskOpenFileName(QWidget* parent, const QString& caption);
// Test hook: the next AskOpenFileName returns this path at once (an empty
// text stands for Cancel).
void SetNextOpenFileName(const QString& path);

// How the page-setup dialog was left.
enum class PageSetupChoice { Cancel, Ok, Preview, Print };
// The page-setup dialog for `printer`, with buttons that leave it for the
// preview or for printing.
PageSetupChoice AskPageSetup(QWidget* parent, QPrinter* printer);
// The print dialog; true when the user chose to print.
bool AskPrint(QWidget* parent, QPrinter* printer);
// The modal print preview; `paint` prints the document onto the printer.
void ShowPrintPreview(QWidget* parent, QPrinter* printer, const std::function<void(QPrinter*)>& paint);
// Test hooks: the next AskPageSetup / AskPrint answers without a dialog; the
// preview calls `paint` once without showing itself while the hook is on.
void SetNextPageSetupChoice(PageSetupChoice choice);
void SetNextPrintAnswer(bool print);
void SetPreviewSkipped(bool skipped);

// Shows a window created for one command as a modal window, deleted when it
// closes. Under the test hook it is shown modeless and the call returns at
// once; the window's object name is recorded.
void ShowModal(QDialog* window);
void SetModalNonBlocking(bool on);
QStringList& ModalWindowsShown();

// Hands an address (web page, mail) to the desktop. Nothing is reported when
// the desktop cannot open it. Under the test hook the addresses are only
// recorded.
void OpenUrl(const QUrl& url);
void RecordOpenedUrls(bool on);
QStringList& OpenedUrls();

}  // namespace hm::ui
