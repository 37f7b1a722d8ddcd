#include "panel/phraserow.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>
#include <QTimer>

RowMetrics RowMetrics::forLines(int lines)
{
    RowMetrics m;
    if (lines <= 1) {
        m.horizontalMargin = 8;
        m.verticalMargin = 5;
        m.buttonHeight = 22;
        m.buttonSpacing = 6;
        m.listSpacing = 5;
        m.compact = true;
    } else if (lines >= 3) {
        m.verticalMargin = 8;
        m.buttonHeight = 30;
    }
    return m;
}

// ---- PhraseTextLabel --------------------------------------------------------

PhraseTextLabel::PhraseTextLabel(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("phraseText"));
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setMinimumWidth(0);
    // Phrase texts are shown as they are, never as markup.
    setTextFormat(Qt::PlainText);
}

void PhraseTextLabel::setFullText(const QString &text)
{
    m_fullText = text;
    updateText();
}

void PhraseTextLabel::setLines(int lines)
{
    m_lines = qBound(1, lines, 3);
    updateText();
    updateGeometry();
}

bool PhraseTextLabel::hasHeightForWidth() const
{
    return m_lines > 1;
}

int PhraseTextLabel::heightForWidth(int width) const
{
    const QFontMetrics fm = fontMetrics();
    if (m_lines <= 1)
        return fm.height();
    const int full = fm.lineSpacing() * m_lines;
    if (width <= 1)
        return full;
    const QRect measured = fm.boundingRect(
        QRect(0, 0, width, full), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, m_fullText);
    return qMax(fm.height(), qMin(full, measured.height()));
}

int PhraseTextLabel::hintHeight() const
{
    const QFontMetrics fm = fontMetrics();
    return m_lines > 1 ? fm.lineSpacing() * m_lines : fm.height();
}

QSize PhraseTextLabel::minimumSizeHint() const
{
    return QSize(0, hintHeight());
}

QSize PhraseTextLabel::sizeHint() const
{
    return QSize(40, hintHeight());
}

void PhraseTextLabel::updateText()
{
    const QFontMetrics fm = fontMetrics();
    if (m_lines <= 1) {
        setWordWrap(false);
        setFixedHeight(fm.height());
        setText(width() <= 1 ? QString() : fm.elidedText(m_fullText, Qt::ElideRight, width()));
        return;
    }
    setWordWrap(true);
    setMinimumHeight(0);
    setMaximumHeight(fm.lineSpacing() * m_lines);
    // What does not fit in the height is cut off by the label itself.
    setText(m_fullText);
}

void PhraseTextLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (m_lines <= 1 && event->size().width() != event->oldSize().width())
        updateText();
}

// ---- PhraseRow ----------------------------------------------------------------

PhraseRow::PhraseRow(const RowMetrics &metrics, QWidget *parent)
    : QWidget(parent), m_metrics(metrics)
{
    setObjectName(QStringLiteral("phraseRow"));
    setAttribute(Qt::WA_StyledBackground);
    setMinimumWidth(0);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_label = new PhraseTextLabel(this);
}

void PhraseRow::addButton(QPushButton *button)
{
    button->setParent(this);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setFixedHeight(m_metrics.buttonHeight);
    m_buttons.append(button);
    updateGeometry();
    layOut();
}

void PhraseRow::showNote(const QString &text, const QString &shortText, bool warning, int ms)
{
    if (!m_note) {
        m_note = new QLabel(this);
        m_note->setObjectName(QStringLiteral("rowNote"));
        m_note->setTextFormat(Qt::PlainText);
        m_note->setWordWrap(true);
        m_note->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Mouse presses go through to the row: the panel is dragged by it.
        m_note->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_noteTimer = new QTimer(this);
        m_noteTimer->setSingleShot(true);
        connect(m_noteTimer, &QTimer::timeout, this, &PhraseRow::hideNote);
    }
    m_noteText = text;
    m_noteShortText = shortText.isEmpty() ? text : shortText;
    m_note->setToolTip(text);
    m_note->setProperty("warning", warning);
    if (m_note->testAttribute(Qt::WA_WState_Polished)) {
        m_note->style()->unpolish(m_note);
        m_note->style()->polish(m_note);
    }
    // Measured in the sheet's font.
    m_note->ensurePolished();
    m_noteShown = true;
    m_noteTimer->start(ms);
    layOut();
}

void PhraseRow::hideNote()
{
    m_noteShown = false;
    layOut();
}

int PhraseRow::buttonsWidth() const
{
    int total = 0;
    for (int i = 0; i < m_buttons.size(); ++i) {
        const QPushButton *b = m_buttons.at(i);
        total += qMax(b->sizeHint().width(), b->minimumSizeHint().width());
        if (i > 0)
            total += m_metrics.buttonSpacing;
    }
    return total;
}

QVector<int> PhraseRow::buttonWidths(int room) const
{
    // Each button as wide as its text wants; in a row too narrow for that,
    // all give up the same share of what they have above their least
    // (their icon or "…"), so that none is cut off.
    QVector<int> widths;
    QVector<int> least;
    int wanted = 0;
    int spare = 0;
    for (const QPushButton *b : m_buttons) {
        widths << qMax(b->sizeHint().width(), b->minimumSizeHint().width());
        least << qMin(widths.last(), b->minimumSizeHint().width());
        wanted += widths.last();
        spare += widths.last() - least.last();
    }
    const int over = wanted - room;
    if (over <= 0 || spare <= 0)
        return widths;
    for (int i = 0; i < widths.size(); ++i) {
        const int share = widths.at(i) - least.at(i);
        widths[i] -= qMin(share, int(qint64(over) * share / spare + 1));
    }
    return widths;
}

bool PhraseRow::buttonsBelowText(int width) const
{
    return !m_buttons.isEmpty() &&
           width - 2 * m_metrics.horizontalMargin - m_metrics.buttonSpacing - buttonsWidth() <
               MinimumTextWidth;
}

int PhraseRow::heightForWidth(int width) const
{
    if (buttonsBelowText(width)) {
        const int label = m_label->heightForWidth(qMax(width - 2 * m_metrics.horizontalMargin, 0));
        return label + m_metrics.buttonSpacing + m_metrics.buttonHeight +
               2 * m_metrics.verticalMargin;
    }
    const int available = width - 2 * m_metrics.horizontalMargin -
                          (m_buttons.isEmpty() ? 0 : m_metrics.buttonSpacing) - buttonsWidth();
    const int label = m_label->heightForWidth(qMax(available, 0));
    return qMax(label, m_metrics.buttonHeight) + 2 * m_metrics.verticalMargin;
}

QSize PhraseRow::minimumSizeHint() const
{
    int least = 0;
    for (int i = 0; i < m_buttons.size(); ++i)
        least += m_buttons.at(i)->minimumSizeHint().width() + (i > 0 ? m_metrics.buttonSpacing : 0);
    return QSize(least + 2 * m_metrics.horizontalMargin,
                 qMax(m_label->minimumSizeHint().height(), m_metrics.buttonHeight) +
                     2 * m_metrics.verticalMargin);
}

QSize PhraseRow::sizeHint() const
{
    return QSize(qMax(minimumSizeHint().width(), 120),
                 qMax(m_label->sizeHint().height(), m_metrics.buttonHeight) +
                     2 * m_metrics.verticalMargin);
}

bool PhraseRow::event(QEvent *event)
{
    // A child changed its hints (a new font, a new text): the list lays the
    // rows out again.
    if (event->type() == QEvent::LayoutRequest)
        updateGeometry();
    return QWidget::event(event);
}

void PhraseRow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void PhraseRow::layOut()
{
    const int h = m_metrics.horizontalMargin;
    const int v = m_metrics.verticalMargin;
    int x = width() - h;
    const bool below = buttonsBelowText(width());
    // Below the text the buttons have the row's width; still too narrow,
    // they shorten their texts rather than be cut off.
    const int spacings = (m_buttons.size() - (below ? 1 : 0)) * m_metrics.buttonSpacing;
    const QVector<int> widths =
        buttonWidths(width() - 2 * h - spacings - (below ? 0 : MinimumTextWidth));
    const int buttonTop = below ? height() - v - m_metrics.buttonHeight
                                : qMax(v, (height() - m_metrics.buttonHeight) / 2);
    for (int i = m_buttons.size() - 1; i >= 0; --i) {
        QPushButton *b = m_buttons.at(i);
        const int w = widths.at(i);
        b->setFixedSize(w, m_metrics.buttonHeight);
        x -= w;
        b->move(x, buttonTop);
        b->show();
        if (i > 0)
            x -= m_metrics.buttonSpacing;
    }
    if (below) {
        const int slot =
            qMax(0, height() - 2 * v - m_metrics.buttonSpacing - m_metrics.buttonHeight);
        m_label->setGeometry(h, v, qMax(0, width() - 2 * h), qMin(slot, m_label->maximumHeight()));
        placeNote(QRect(h, v, qMax(0, width() - 2 * h), slot));
        return;
    }
    if (!m_buttons.isEmpty())
        x -= m_metrics.buttonSpacing;
    else
        x = width() - h;
    // A one-line label has a fixed height below the slot: centred on the
    // buttons rather than left at the top of the row.
    const int slot = qMax(0, height() - 2 * v);
    const int labelHeight = qMin(slot, m_label->maximumHeight());
    m_label->setGeometry(h, v + (slot - labelHeight) / 2, qMax(0, x - h), labelHeight);
    placeNote(QRect(h, v, qMax(0, x - h), slot));
}

void PhraseRow::placeNote(const QRect &room)
{
    // The note stands in for the text while it lasts: the two never overlap.
    m_label->setVisible(!m_noteShown);
    if (!m_note)
        return;
    m_note->setGeometry(room);
    if (m_noteShown) {
        const QRect needed = m_note->fontMetrics().boundingRect(
            QRect(0, 0, room.width(), 0xffff), Qt::AlignRight | Qt::TextWordWrap, m_noteText);
        const bool fits = needed.width() <= room.width() && needed.height() <= room.height();
        m_note->setText(fits ? m_noteText : m_noteShortText);
    }
    m_note->setVisible(m_noteShown);
}
