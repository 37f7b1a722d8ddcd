// The floating panel's list: one row per phrase, rebuilt whenever the phrases,
// the row buttons, the line count or the language change.

#include "panel/floatingpanel.h"
#include "theme/elidedtext.h"

#include "panel/phraserow.h"
#include "theme/theme.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The name when there is one, else the text on one line.
QString displayText(const Phrase &phrase)
{
    const QString name = phrase.name.trimmed();
    if (!name.isEmpty())
        return name;
    QString text = phrase.text;
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.simplified();
}

void setCompact(QWidget *widget, bool compact)
{
    widget->setProperty("compact", compact);
    // A widget polished already matches the sheet's selectors again; a new
    // one matches them when it is first polished, with the property set.
    if (widget->testAttribute(Qt::WA_WState_Polished))
        Theme::repolish(widget);
}

} // namespace

void FloatingPanel::rebuildRows()
{
    // A hidden panel builds its rows when it is shown: with thousands of
    // phrases a build costs seconds, and most users keep the panel closed.
    if (!isVisible()) {
        m_rowsStale = true;
        return;
    }
    m_rowsStale = false;
    // A row added to a shown list shows itself a moment later, and each such
    // show lays the whole list out again: a thousand rows would cost half a
    // million row placements. Built while the list is hidden, the list is
    // laid out once, when it is shown again.
    const bool listShown = !m_listHost->isHidden();
    if (listShown)
        m_listHost->hide();
    rebuildRowsHidden();
    if (listShown)
        m_listHost->show();
}

void FloatingPanel::rebuildRowsHidden()
{
    while (QLayoutItem *item = m_listLayout->takeAt(0)) {
        if (QWidget *w = item->widget()) {
            // Hidden and gone with the next pass of the event loop, but left
            // with its parent: taking a widget out of a window walks the
            // window's whole focus chain, once per row. Not deleted at once:
            // the click of one of its buttons may still be running.
            w->hide();
            w->deleteLater();
        }
        delete item;
    }

    const RowMetrics metrics = RowMetrics::forLines(m_textLines);
    m_listLayout->setSpacing(metrics.listSpacing);

    if (m_phrases.isEmpty()) {
        auto *empty = new QLabel(tr("No phrases yet"), m_listHost);
        empty->setWordWrap(true);
        empty->setAlignment(Qt::AlignCenter);
        empty->setStyleSheet(QStringLiteral("color: #6f8583; padding: 18px 8px;"));
        empty->installEventFilter(this);
        empty->setMouseTracking(true);
        m_listLayout->addWidget(empty);
        m_listLayout->addStretch(1);
        return;
    }

    for (const Phrase &phrase : qAsConst(m_phrases)) {
        auto *row = new PhraseRow(metrics, m_listHost);
        row->setPhraseId(phrase.id);
        setCompact(row, metrics.compact);
        PhraseTextLabel *label = row->label();
        label->setToolTip(ElidedText::plainToolTip(phrase.text));
        label->setLines(m_textLines);
        label->setFullText(displayText(phrase));
        label->installEventFilter(this);
        label->setMouseTracking(true);

        const QString id = phrase.id;
        const auto addButton = [&](const QString &text, const char *objectName, bool copy) {
            // Cut short with "…" rather than cut off when the panel is narrow.
            auto *button = new ElidingButton(row);
            button->setFullText(text);
            button->setObjectName(QLatin1String(objectName));
            button->setCursor(Qt::PointingHandCursor);
            button->setFocusPolicy(Qt::NoFocus);
            setCompact(button, metrics.compact);
            if (!copy)
                markTypeButton(button);
            connect(button, &QPushButton::clicked, this, [this, id, copy] {
                if (copy)
                    emit copyPhrase(id);
                else
                    emit typePhrase(id);
            });
            row->addButton(button);
        };
        if (m_showCopy)
            addButton(tr("Copy"), "rowAction", true);
        if (m_showType)
            addButton(tr("Type"), "rowType", false);

        row->installEventFilter(this);
        row->setMouseTracking(true);
        m_listLayout->addWidget(row);
    }
    m_listLayout->addStretch(1);
}

QString FloatingPanel::pausedTypeText()
{
    return tr("Shortcuts are paused: resume them to type.");
}

void FloatingPanel::markTypeButton(QPushButton *button)
{
    // Still clickable: a click says why nothing is typed.
    button->setProperty("paused", m_paused);
    button->setToolTip(m_paused ? pausedTypeText() : QString());
    if (button->testAttribute(Qt::WA_WState_Polished))
        Theme::repolish(button);
}

QString FloatingPanel::pausedTypeShortText()
{
    return tr("Paused");
}

void FloatingPanel::showRowNote(const QString &id, const QString &text, const QString &shortText,
                                bool warning)
{
    for (PhraseRow *row : rows()) {
        if (row->phraseId() == id) {
            row->showNote(text, shortText, warning, warning ? WarningNoteMs : NoteMs);
            return;
        }
    }
}

QList<PhraseRow *> FloatingPanel::rows() const
{
    QList<PhraseRow *> out;
    for (int i = 0; i < m_listLayout->count(); ++i) {
        if (auto *row = qobject_cast<PhraseRow *>(m_listLayout->itemAt(i)->widget()))
            out.append(row);
    }
    return out;
}
