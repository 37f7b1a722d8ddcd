#include "theme/maintitlebar.h"

#include "theme/glyphs.h"
#include "theme/stylesheets.h"
#include "theme/theme.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const char tealProperty[] = "tealTheme";

QPushButton *captionButton(const char *name, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    button->setFixedSize(40, 28);
    button->setIconSize(QSize(12, 12));
    return button;
}

} // namespace

MainTitleBar::MainTitleBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("mainTitleBar"));
    setAttribute(Qt::WA_StyledBackground);
    setFixedHeight(36);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("mainTitleIcon"));
    icon->setFixedSize(18, 18);
    icon->setScaledContents(true);

    title = new QLabel(this);
    title->setObjectName(QStringLiteral("mainTitleLabel"));
    // A window's title is plain text, as the window system shows it.
    title->setTextFormat(Qt::PlainText);
    title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    title->setMinimumWidth(0);

    minimize = captionButton("captionMin", this);
    maximize = captionButton("captionMax", this);
    close = captionButton("captionClose", this);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 4, 6, 4);
    layout->setSpacing(8);
    layout->addWidget(icon, 0, Qt::AlignVCenter);
    layout->addWidget(title, 1, Qt::AlignVCenter);
    layout->addWidget(minimize, 0, Qt::AlignVCenter);
    layout->addWidget(maximize, 0, Qt::AlignVCenter);
    layout->addWidget(close, 0, Qt::AlignVCenter);

    connect(minimize, &QPushButton::clicked, this, &MainTitleBar::minimizeRequested);
    connect(maximize, &QPushButton::clicked, this, &MainTitleBar::maximizeRequested);
    connect(close, &QPushButton::clicked, this, &MainTitleBar::closeRequested);

    applyTheme(Theme::Teal);
}

void MainTitleBar::setTitleText(const QString &text)
{
    title->setText(text);
}

void MainTitleBar::setTitleIcon(const QIcon &windowIcon)
{
    icon->setPixmap(windowIcon.pixmap(18, 18));
}

void MainTitleBar::applyTheme(int theme)
{
    setProperty(tealProperty, Theme::isTeal(theme));
    const QColor colour = glyphColour();
    minimize->setIcon(Glyphs::captionGlyph(colour, QStringLiteral("min")));
    close->setIcon(Glyphs::captionGlyph(colour, QStringLiteral("close")));
    updateMaximizeButton();
    setTexts();
    Theme::replaceStyleSheet(this, Theme::mainTitleBarStyleSheet(theme));
}

void MainTitleBar::setMaximizedState(bool b)
{
    maximized = b;
    updateMaximizeButton();
}

QColor MainTitleBar::glyphColour() const
{
    const bool teal = property(tealProperty).toBool();
    return Theme::colours(teal ? Theme::Teal : Theme::Classic).titleGlyph;
}

void MainTitleBar::updateMaximizeButton()
{
    maximize->setIcon(Glyphs::captionGlyph(glyphColour(), maximized ? QStringLiteral("restore")
                                                                    : QStringLiteral("max")));
    maximize->setToolTip(maximized ? tr("Restore") : tr("Maximize"));
}

void MainTitleBar::setTexts()
{
    minimize->setToolTip(tr("Minimize"));
    maximize->setToolTip(maximized ? tr("Restore") : tr("Maximize"));
    close->setToolTip(tr("Close"));
}

bool MainTitleBar::isMaximized() const
{
    return maximized || window()->isMaximized();
}

void MainTitleBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    QWidget::changeEvent(event);
}

void MainTitleBar::mousePressEvent(QMouseEvent *event)
{
    // A maximised window stays where it is.
    if (isMaximized() || !drag.press(this, event))
        QWidget::mousePressEvent(event);
}

void MainTitleBar::mouseMoveEvent(QMouseEvent *event)
{
    if (!drag.move(this, event, !isMaximized()))
        QWidget::mouseMoveEvent(event);
}

void MainTitleBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (!drag.release(event))
        QWidget::mouseReleaseEvent(event);
}

void MainTitleBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        emit maximizeRequested();
        event->accept();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}
