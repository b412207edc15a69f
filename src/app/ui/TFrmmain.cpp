#include "app/ui/TFrmmain.h"

#include <QPlainTextEdit>

#include "ui/notice.h"

namespace hm {

TFrmmain::TFrmmain(QWidget* parent) : QMainWindow(parent) {
  setObjectName("TFrmmain");
  setWindowTitle(ui::AppTitle());
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  resize(800, 600);
  RzMemo1 = new QPlainTextEdit(this);
  RzMemo1->setObjectName("RzMemo1");
  RzMemo1->setReadOnly(true);
  RzMemo1->setVisible(false);
  setCentralWidget(RzMemo1);
}

TFrmmain::~TFrmmain() = default;

}  // namespace hm
