// The main window: the menu bar, the input strip, the tab pages of command
// buttons, the result pane with its font-size bar, and the status bar. The
// window only moves texts between its widgets and MainState; the commands
// themselves live in the pane-command and window-command tables.
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

#include "app/main_state.h"

class QAbstractButton;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class QTabWidget;

namespace hm {

class TFrmmain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFrmmain(QWidget* parent = nullptr);
  ~TFrmmain() override;

  MainState& State() { return state_; }

  // Runs what a menu entry or button with this caption runs; nothing when the
  // caption carries no command.
  void RunCommand(const QString& caption);
  // True when a command is registered for what this caption runs.
  static bool CommandAvailable(const QString& caption);

  // The printer that page setup, preview and printing share (Letter paper,
  // 12.7 mm margins until the user changes them).
  QPrinter* Printer();
  // Prints the result pane in its current font.
  void PrintPane(QPrinter* printer);

 public slots:
  void RzButton1Click();      // 八字分析
  void RzButton2Click();      // 姓名分析
  void RzButton3Click();      // 星座分析
  void dxBarButton15Click();  // 新建测算
  void dxBarButton1Click();   // 打开记录...
  void dxBarButton61Click();  // 打印设置...
  void dxBarButton5Click();   // 退出系统
  void CBFontChange(int index);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  QWidget* buildEntryStrip();
  QWidget* buildTabs();
  QWidget* buildPaneColumn();
  void wireButton(QAbstractButton* button, const QString& caption, bool carriesCommand = true);
  void wireAction(QAction* action, const QString& caption, bool carriesCommand = true);
  void FormShow();

  void runPaneCommand(const std::string& caption);
  void runWindowCommand(const QString& caption);
  void fieldsToState();
  void fieldsFromState();
  void showPane(int scrollRequestsBefore);

  MainState state_;
  std::unique_ptr<QPrinter> printer_;
  std::vector<std::string> shownLines_;
  bool shownOnce_ = false;

  QLineEdit* NameA = nullptr;
  QLineEdit* NameB = nullptr;
  QComboBox* Sex = nullptr;
  QComboBox* Xuxing = nullptr;
  QComboBox* ComDate = nullptr;
  QComboBox* SYear = nullptr;
  QComboBox* SMonth = nullptr;
  QComboBox* Sday = nullptr;
  QComboBox* Shour = nullptr;
  QPlainTextEdit* RzMemo1 = nullptr;
  QComboBox* CBFont = nullptr;
  QLabel* statusText_ = nullptr;
};

}  // namespace hm
