#include "theme/dialogtitlebar.h"

#include "theme/glyphs.h"
#include "theme/stylesheets.h"
#include "theme/theme.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QChar closeCross(0x00d7); // ×

QColor glyphColour(bool teal)
{
    return Theme::colours(teal ? Theme::Teal : Theme::Classic).titleGlyph;
}

} // namespace

DialogTitleBar::DialogTitleBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("dialogTitleBar"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(34);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    row = new QHBoxLayout(this);
    row->setContentsMargins(10, 3, 4, 3);
    row->setSpacing(4);

    icon = new QLabel(this);
    icon->setFixedSize(16, 16);
    icon->setScaledContents(true);

    title = new QLabel(this);
    title->setObjectName(QStringLiteral("dialogTitleLabel"));
    // A window's title is plain text, as the window system shows it.
    title->setTextFormat(Qt::PlainText);
    title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    title->setMinimumWidth(0);

    close = new QPushButton(this);
    close->setObjectName(QStringLiteral("dialogCaptionClose"));
    close->setFlat(true);
    close->setFocusPolicy(Qt::NoFocus);
    close->setCursor(Qt::ArrowCursor);
    close->setFixedSize(40, 28);
    close->setIconSize(QSize(12, 12));
    close->setStyleSheet(QStringLiteral("padding: 0px; padding-bottom: 2px;"));

    row->addWidget(icon, 0, Qt::AlignVCenter);
    row->addWidget(title, 1, Qt::AlignVCenter);
    row->addWidget(close, 0, Qt::AlignVCenter);
}

void DialogTitleBar::setTitleText(const QString &text)
{
    title->setText(text);
}

void DialogTitleBar::setTitleIcon(const QIcon &windowIcon)
{
    if (windowIcon.isNull()) {
        icon->clear();
        icon->hide();
        return;
    }
    icon->setPixmap(windowIcon.pixmap(16, 16));
    icon->show();
}

void DialogTitleBar::applyTheme(bool teal)
{
    const int theme = teal ? Theme::Teal : Theme::Classic;
    const QColor colour = glyphColour(teal);
    if (actionMode) {
        // The close button borrows the action button's look, so it carries
        // the text cross rather than a painted one.
        close->setIcon(QIcon());
        close->setText(QString(closeCross));
        action->setIcon(Glyphs::gearGlyph(colour));
    } else {
        close->setIcon(Glyphs::dialogCloseGlyph(colour));
    }
    setTexts();
    Theme::replaceStyleSheet(this, Theme::dialogTitleBarStyleSheet(theme, actionMode));
}

QPushButton *DialogTitleBar::addActionButton(bool teal)
{
    if (action)
        return action;
    actionMode = true;

    close->setObjectName(QStringLiteral("dialogCaptionAction"));
    close->setText(QString(closeCross));
    close->setIcon(QIcon());
    close->setFixedSize(30, 30);
    close->setIconSize(QSize(16, 16));
    close->setCursor(Qt::PointingHandCursor);
    close->setStyleSheet(QString());

    action = new QPushButton(this);
    action->setObjectName(QStringLiteral("dialogCaptionAction"));
    action->setFlat(true);
    action->setFocusPolicy(Qt::NoFocus);
    action->setCursor(Qt::PointingHandCursor);
    action->setCheckable(true);
    action->setFixedSize(30, 30);
    action->setIconSize(QSize(16, 16));

    row->setContentsMargins(10, 2, 8, 2);
    row->setSpacing(6);
    row->insertWidget(row->indexOf(close), action, 0, Qt::AlignVCenter);

    applyTheme(teal);
    return action;
}

void DialogTitleBar::setTexts()
{
    // The title bar is part of the dialog, so its texts share the dialog's context.
    close->setToolTip(QCoreApplication::translate("ThemedDialog", "Close"));
    if (action)
        action->setToolTip(QCoreApplication::translate("ThemedDialog", "Picker settings"));
}

void DialogTitleBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QWidget::changeEvent(event);
}

void DialogTitleBar::mousePressEvent(QMouseEvent *event)
{
    if (!drag.press(this, event))
        QWidget::mousePressEvent(event);
}

void DialogTitleBar::mouseMoveEvent(QMouseEvent *event)
{
    if (!drag.move(this, event, true))
        QWidget::mouseMoveEvent(event);
}

void DialogTitleBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (!drag.release(event))
        QWidget::mouseReleaseEvent(event);
}
