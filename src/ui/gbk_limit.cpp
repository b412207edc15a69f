#include "ui/gbk_limit.h"

#include <QLineEdit>

#include "base/text.h"

namespace hm::ui {

void LimitGbkBytes(QLineEdit* edit, int maxBytes) {
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, maxBytes](const QString& text) {
    const std::string utf8 = text.toStdString();
    if (GbkLength(utf8) <= static_cast<std::size_t>(maxBytes)) return;
    // Keep the characters before the cursor where possible, so typing in the
    // middle of a full field does not push out what follows the cursor.
    const int cursor = edit->cursorPosition();
    const QString before = text.left(cursor);
    const QString after = text.mid(cursor);
    const std::size_t afterBytes = GbkLength(after.toStdString());
    QString kept;
    if (afterBytes < static_cast<std::size_t>(maxBytes)) {
      kept = QString::fromStdString(GbkTruncate(before.toStdString(), static_cast<std::size_t>(maxBytes) - afterBytes));
      edit->setText(kept + after);
      edit->setCursorPosition(static_cast<int>(kept.size()));
    } else {
      edit->setText(QString::fromStdString(GbkTruncate(utf8, static_cast<std::size_t>(maxBytes))));
    }
  });
}

}  // namespace hm::ui
