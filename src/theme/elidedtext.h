#pragma once

// Texts in widgets whose width others decide (the panel is as narrow as the
// user drags it, the main window's buttons share its width): where a text
// does not fit, the widget shows it cut short with "…" and the whole text as
// its tool tip, and whole again, without the tip, once there is room.

#include <QPushButton>
#include <QString>

class QLabel;

namespace ElidedText {

// A tool tip that shows text as it stands. QToolTip takes whatever looks
// like markup for markup (and reads the files an image in it names), so the
// text goes escaped into a paragraph that keeps its spaces and line breaks.
QString plainToolTip(const QString &text);

// The label no longer asks its layout for the text's width.
void setText(QLabel *label, const QString &text);
// The whole text last given to setText; the label's own text otherwise.
QString fullText(const QLabel *label);

} // namespace ElidedText

// A push button that asks its layout for room for its whole text but makes do
// with its icon and "…", or with its icon alone.
class ElidingButton final : public QPushButton
{
    Q_OBJECT

public:
    explicit ElidingButton(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    QString fullText() const { return m_full; }
    // Where the whole text does not fit, the icon alone (with the text as its
    // tip) rather than the text cut short: "A…" says nothing a glyph does not.
    void setIconOnlyWhenCut(bool iconOnly);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // QPushButton's own measure, for a text of our choice.
    QSize hintFor(const QString &text) const;
    int roomForText() const;
    void fit();

    QString m_full;
    QString m_tip;
    bool m_iconOnly = false;
};
