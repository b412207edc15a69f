// The main window: entry strip, menus, tab pages and the result pane.
#pragma once

#include <QMainWindow>

#include "app/main_state.h"

class QPlainTextEdit;

namespace hm {

class TFrmmain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFrmmain(QWidget* parent = nullptr);
  ~TFrmmain() override;

  MainState& State() { return state_; }

 private:
  MainState state_;
  QPlainTextEdit* RzMemo1 = nullptr;
};

}  // namespace hm
