// 客户服务: the ways to reach the makers (business, telephone, QQ, mail).
#pragma once

#include <QDialog>

namespace hm {

class TFrm_servers : public QDialog {
  Q_OBJECT

 public:
  explicit TFrm_servers(QWidget* parent = nullptr);
};

}  // namespace hm
