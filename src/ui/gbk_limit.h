// Limits what the user types into an edit by the length of its GBK form, as
// the readings count names in GBK bytes (a Chinese character is two).
#pragma once

class QLineEdit;

namespace hm::ui {

// Text typed or pasted beyond maxBytes GBK bytes is cut off at the last whole
// character that fits. Texts set by the program are left alone.
void LimitGbkBytes(QLineEdit* edit, int maxBytes);

}  // namespace hm::ui
