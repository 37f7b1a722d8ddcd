#include "theme/themeddialog.h"

#include "base/testtrace.h"
#include "platform/windowframe.h"
#include "theme/dialogtitlebar.h"
#include "theme/stylesheets.h"
#include "theme/theme.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

ThemedDialog::ThemedDialog(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("themedDialog"));
    // DialogChrome leaves dialogs with this property alone.
    setProperty("themedDialog", true);
    setAttribute(Qt::WA_StyledBackground);
    setMinimumWidth(320);

    titleBar = new DialogTitleBar(this);
    body = new QWidget(this);
    body->setObjectName(QStringLiteral("dialogBody"));
    body->setAttribute(Qt::WA_StyledBackground);
    bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(16, 14, 16, 14);
    bodyLayout->setSpacing(10);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(titleBar);
    layout->addWidget(body, 1);

    connect(titleBar->closeButton(), &QPushButton::clicked, this, &QDialog::reject);

    const bool parentHasIcon = parent && !parent->windowIcon().isNull();
    titleBar->setTitleIcon(parentHasIcon ? parent->windowIcon() : QApplication::windowIcon());

    applyTheme(Theme::current());
}

void ThemedDialog::applyTheme(int theme)
{
    teal = Theme::isTeal(theme) ? 1 : 0;
    titleBar->applyTheme(teal == 1);
    Theme::replaceStyleSheet(this, Theme::themedDialogStyleSheet(theme));
}

QPushButton *ThemedDialog::addTitleBarAction()
{
    return titleBar->addActionButton(teal == 1);
}

bool ThemedDialog::event(QEvent *event)
{
    if (event->type() == QEvent::WindowTitleChange)
        titleBar->setTitleText(windowTitle());
    // New texts or a new style: the minimum is fitted again at the next show.
    else if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange ||
             event->type() == QEvent::LanguageChange)
        minimumFitted = false;
    return QDialog::event(event);
}

void ThemedDialog::showEvent(QShowEvent *event)
{
    titleBar->setTitleText(windowTitle());
    if (!nativeStylesApplied) {
        nativeStylesApplied = true;
        WindowFrame::prepareFramelessWindow(this, WindowFrame::Kind::Dialog);
    }
    // A minimum set in pixels gives way to what the texts of the language
    // and the theme need: a dialog never cuts its own buttons short.
    // The texts' sizes changed with the style sheet just polished in: no
    // layout's remembered minimum is trusted. Once per style and language:
    // the picker is shown at every press of its shortcut.
    QLayout *top = minimumFitted ? nullptr : layout();
    if (top) {
        minimumFitted = true;
        const QList<QLayout *> layouts = findChildren<QLayout *>();
        for (QLayout *l : layouts)
            l->invalidate();
        top->invalidate();
        setMinimumSize(minimumSize().expandedTo(top->minimumSize()));
    }
    QDialog::showEvent(event);
}

bool ThemedDialog::nativeEvent(const QByteArray &eventType, void *message, long *result)
{
    if (WindowFrame::frameNativeEvent(this, eventType, message, result, WindowFrame::Kind::Dialog))
        return true;
    return QDialog::nativeEvent(eventType, message, result);
}

namespace {

// The message dialog is a themed dialog like any other: it fills the body.
class MessageDialog final : public ThemedDialog
{
public:
    MessageDialog(QWidget *parent, const QString &title, const QString &text) : ThemedDialog(parent)
    {
        setWindowTitle(title);
        setMinimumWidth(420);

        // Messages may quote names and file names: shown as they stand.
        auto *label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        label->setWordWrap(true);
        // A path or an address in a message is there to be copied.
        label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

        auto *ok = new QPushButton(ThemedDialog::tr("OK"), this);
        ok->setObjectName(QStringLiteral("primary"));
        ok->setDefault(true);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);

        auto *buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(ok);

        bodyLayout->addWidget(label);
        bodyLayout->addLayout(buttons);
    }
};

} // namespace

int showThemedMessage(QWidget *parent, const QString &title, const QString &text)
{
    TestTrace::line(QLatin1String("message ") + text);
    MessageDialog dialog(parent, title, text);
    return dialog.exec();
}
