// 关于系统: the program's name and how to reach its makers.
#pragma once

#include <QDialog>

namespace hm {

class TAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TAbout(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;
};

}  // namespace hm
