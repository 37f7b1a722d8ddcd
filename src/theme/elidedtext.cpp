#include "theme/elidedtext.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

const char fullTextProperty[] = "elidedFullText";
const QChar ellipsis(0x2026);

// Shows full in metrics' font in room pixels: itself, or cut short with the
// tip that names it whole.
QString fitted(const QString &full, const QFontMetrics &metrics, int room, QString *tip)
{
    tip->clear();
    if (room <= 0 || metrics.horizontalAdvance(full) <= room)
        return full;
    *tip = ElidedText::plainToolTip(full);
    return metrics.elidedText(full, Qt::ElideRight, room);
}

// Refits its label whenever the room or the font for the text changes.
class LabelFitter final : public QObject
{
public:
    explicit LabelFitter(QLabel *label) : QObject(label), m_label(label)
    {
        setObjectName(QStringLiteral("elidedTextFitter"));
        label->installEventFilter(this);
    }

    static LabelFitter *of(QLabel *label)
    {
        auto *fitter = label->findChild<LabelFitter *>(QStringLiteral("elidedTextFitter"),
                                                       Qt::FindDirectChildrenOnly);
        return fitter ? fitter : new LabelFitter(label);
    }

    void fit()
    {
        if (!m_label)
            return;
        // Unshown, the label has no width of its own yet: whole.
        const int room = !m_label->isVisible()
                             ? 0
                             : m_label->contentsRect().width() - 2 * qMax(0, m_label->margin()) -
                                   qMax(0, m_label->indent());
        QString tip;
        const QString shown = fitted(m_label->property(fullTextProperty).toString(),
                                     m_label->fontMetrics(), room, &tip);
        if (m_label->text() != shown)
            m_label->setText(shown);
        // Only a tip of ours is taken away again.
        if (!tip.isEmpty() || m_label->toolTip() == m_tip)
            m_label->setToolTip(tip);
        m_tip = tip;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_label) {
            switch (event->type()) {
            case QEvent::Resize:
            case QEvent::FontChange:
            case QEvent::StyleChange:
            case QEvent::Polish:
            case QEvent::Show:
                fit();
                break;
            default:
                break;
            }
        }
        return false;
    }

private:
    QPointer<QLabel> m_label;
    QString m_tip;
};

} // namespace

namespace ElidedText {

QString plainToolTip(const QString &text)
{
    if (text.isEmpty())
        return QString();
    QString escaped = text.toHtmlEscaped();
    escaped.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    escaped.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    escaped.replace(QLatin1Char('\n'), QLatin1String("<br/>"));
    return QLatin1String("<p style=\"white-space:pre-wrap\">") + escaped + QLatin1String("</p>");
}

void setText(QLabel *label, const QString &text)
{
    // Cut short, markup would be broken anyway: the text is always plain.
    label->setTextFormat(Qt::PlainText);
    label->setProperty(fullTextProperty, text);
    QSizePolicy policy = label->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    label->setSizePolicy(policy);
    LabelFitter::of(label)->fit();
}

QString fullText(const QLabel *label)
{
    const QVariant full = label->property(fullTextProperty);
    return full.isValid() ? full.toString() : label->text();
}

} // namespace ElidedText

ElidingButton::ElidingButton(QWidget *parent) : QPushButton(parent)
{
    // Room for the whole text where there is some, down to "…" where not:
    // a push button's own policy would take the whole text as its least.
    QSizePolicy policy = sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Preferred);
    setSizePolicy(policy);
}

void ElidingButton::setFullText(const QString &text)
{
    m_full = text;
    fit();
    updateGeometry();
}

QSize ElidingButton::hintFor(const QString &text) const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    int w = 0;
    int h = 0;
    if (!icon().isNull()) {
        w += option.iconSize.width() + 4;
        h = option.iconSize.height();
    }
    const QSize textSize = fontMetrics().size(Qt::TextShowMnemonic, text);
    w += textSize.width();
    h = qMax(h, textSize.height());
    option.rect.setSize(QSize(w, h));
    option.text = text;
    return style()
        ->sizeFromContents(QStyle::CT_PushButton, &option, QSize(w, h), this)
        .expandedTo(QApplication::globalStrut());
}

QSize ElidingButton::sizeHint() const
{
    return hintFor(m_full);
}

QSize ElidingButton::minimumSizeHint() const
{
    if (m_iconOnly && !icon().isNull())
        return hintFor(QString());
    return hintFor(m_full.isEmpty() ? QString() : QString(ellipsis));
}

void ElidingButton::setIconOnlyWhenCut(bool iconOnly)
{
    m_iconOnly = iconOnly;
    fit();
    updateGeometry();
}

int ElidingButton::roomForText() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    int room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width();
    if (!icon().isNull())
        room -= iconSize().width() + 4; // the styles' gap after an icon
    return room;
}

void ElidingButton::fit()
{
    QString tip;
    QString shown;
    // Unshown, the button has no width of its own yet: whole. At the width
    // its hint asks for the whole text fits, whatever the style's margins.
    if (!isVisible() || width() >= hintFor(m_full).width()) {
        shown = m_full;
    } else if (m_iconOnly && !icon().isNull()) {
        tip = ElidedText::plainToolTip(m_full);
    } else {
        shown = fitted(m_full, fontMetrics(), roomForText(), &tip);
    }
    if (text() != shown)
        setText(shown);
    if (!tip.isEmpty() || toolTip() == m_tip)
        setToolTip(tip);
    m_tip = tip;
}

void ElidingButton::showEvent(QShowEvent *event)
{
    QPushButton::showEvent(event);
    fit();
}

void ElidingButton::resizeEvent(QResizeEvent *event)
{
    QPushButton::resizeEvent(event);
    fit();
}

void ElidingButton::changeEvent(QEvent *event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        fit();
        updateGeometry();
    }
}
