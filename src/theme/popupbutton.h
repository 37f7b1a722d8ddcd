#pragma once

class QAbstractButton;
class QEvent;
class QWidget;

namespace PopupButton {

// Keeps a checkable button that opens a popup in step with that popup. The
// owner's event filter hands over every event of the popup it watches:
// - a popup closed by a click outside unchecks the button without toggling
//   the popup again;
// - a click on the button that closes the popup is not replayed on the
//   button, which would open the popup again at once.
void follow(QWidget *popup, QAbstractButton *button, const QEvent *event);

} // namespace PopupButton
