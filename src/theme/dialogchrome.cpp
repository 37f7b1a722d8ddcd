#include "theme/dialogchrome.h"

#include "platform/windowframe.h"

#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

namespace {

const char chromeProperty[] = "dialogChrome";
const char themedProperty[] = "themedDialog";
const char spacerProperty[] = "dialogChromeSpacer";

bool wantsChrome(QObject *watched)
{
    auto *dialog = qobject_cast<QDialog *>(watched);
    return dialog && dialog->isWindow() && !qobject_cast<QFileDialog *>(dialog) &&
           !dialog->windowFlags().testFlag(Qt::FramelessWindowHint) &&
           !dialog->property(themedProperty).toBool() && !dialog->property(chromeProperty).toBool();
}

void fitMessageBoxWidth(QDialog *dialog)
{
    auto *box = qobject_cast<QMessageBox *>(dialog);
    if (!box || box->windowTitle().isEmpty())
        return;
    const int needed = DialogChrome::neededMessageBoxWidth(box);
    // A message box fixes its own size from its layout on every layout
    // request, which would undo a plain resize at once. A fixed-width spacer
    // across the bottom of its grid makes that sizing keep the width.
    auto *grid = qobject_cast<QGridLayout *>(box->layout());
    if (grid && !box->property(spacerProperty).toBool()) {
        box->setProperty(spacerProperty, true);
        const QMargins margins = grid->contentsMargins();
        const int content = needed - margins.left() - margins.right();
        grid->addItem(
            new QSpacerItem(qMax(0, content), 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, qMax(1, grid->columnCount()));
    }
    box->setMaximumWidth(QWIDGETSIZE_MAX);
    if (box->minimumWidth() < needed)
        box->setMinimumWidth(needed);
    if (box->width() < needed)
        box->resize(needed, qMax(box->height(), box->sizeHint().height()));
}

void centreOnParent(QDialog *dialog)
{
    if (qobject_cast<QFileDialog *>(dialog))
        return;
    QWidget *parent = dialog->parentWidget();
    const QSize frame = dialog->frameGeometry().size();
    if (!parent || !parent->isVisible() || frame.isEmpty())
        return;
    const QPoint centre = parent->frameGeometry().center();
    dialog->move(centre.x() - frame.width() / 2, centre.y() - frame.height() / 2);
}

void minimiseMainWindows()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *main = qobject_cast<QMainWindow *>(w);
        if (main && !main->isMinimized())
            main->showMinimized();
    }
}

} // namespace

DialogChrome::DialogChrome(QObject *parent) : QObject(parent) {}

int DialogChrome::neededMessageBoxWidth(const QDialog *dialog)
{
    const QFontMetrics metrics(dialog->font());
    return metrics.horizontalAdvance(dialog->windowTitle()) +
           4 * WindowFrame::captionButtonWidth() + WindowFrame::smallIconWidth() + 96;
}

bool DialogChrome::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        // Every dialog of a window, themed or plain (message boxes, file
        // dialogs), before it is mapped.
        auto *dialog = qobject_cast<QDialog *>(watched);
        if (dialog && dialog->isWindow())
            WindowFrame::keepOffTaskbar(dialog);
        if (wantsChrome(watched))
            tidy(static_cast<QDialog *>(watched));
    } else if (event->type() == QEvent::WindowStateChange) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget->isWindow() && widget->isMinimized() &&
            !qobject_cast<QMainWindow *>(widget))
            minimiseMainWindows();
    }
    return false;
}

void DialogChrome::tidy(QDialog *dialog)
{
    // Marked first: the show below comes back through this filter.
    dialog->setProperty(chromeProperty, true);

    Qt::WindowFlags flags = dialog->windowFlags();
    flags &= ~(Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint);
    flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
             Qt::WindowCloseButtonHint;
    if (flags != dialog->windowFlags()) {
        // Changing the flags hides the window; show it again.
        dialog->setWindowFlags(flags);
        dialog->show();
    }
    WindowFrame::tidyPlainDialogFrame(dialog);

    fitMessageBoxWidth(dialog);
    centreOnParent(dialog);
    // Once more after the toolkit has finished its own show handling, which
    // may size the box again.
    QPointer<QDialog> guard(dialog);
    QTimer::singleShot(0, dialog, [guard] {
        if (!guard)
            return;
        fitMessageBoxWidth(guard);
        centreOnParent(guard);
    });
}
