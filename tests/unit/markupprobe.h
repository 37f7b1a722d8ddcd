#pragma once

// Names and texts from imported files reach labels, tool tips and message
// dialogs. Where one is taken for markup, a name such as <img src="…"> makes
// Qt read that file while painting (a FIFO there hangs the program). The
// probe names an image of a colour no theme uses: a widget that shows that
// colour read the file.

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QString>
#include <QTemporaryFile>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QWidget>

namespace MarkupProbe {

inline QColor marker()
{
    return QColor(255, 0, 255);
}

// A name with markup in it, naming a 48 pixel square image in the current
// folder by a relative path: short enough to be shown whole where names are
// cut at 40 characters, on every system.
class Name
{
public:
    Name()
    {
        m_file.setFileTemplate(QStringLiteral("mp-XXXXXX.png"));
        QImage image(48, 48, QImage::Format_RGB32);
        image.fill(marker());
        if (m_file.open())
            image.save(&m_file, "PNG");
        m_file.close();
    }
    QString text() const
    {
        return QStringLiteral("<img src=\"%1\"> <b>x</b>")
            .arg(QFileInfo(m_file.fileName()).fileName());
    }

private:
    QTemporaryFile m_file;
};

// True when the widget, drawn as it is now, shows the probe's image.
inline bool showsImage(QWidget *widget)
{
    const QImage drawn = widget->grab().toImage();
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (drawn.pixelColor(x, y) == marker())
                return true;
        }
    }
    return false;
}

// What a tool tip shows, read as QToolTip reads it (markup when it looks
// like markup).
inline QString toolTipShown(const QString &tip)
{
    return Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
}

// Whether a tool tip, drawn as QToolTip draws it, shows the image.
inline bool toolTipShowsImage(const QString &tip)
{
    QLabel label; // QToolTip's label takes what looks like markup as markup
    label.setText(tip);
    label.adjustSize();
    return showsImage(&label);
}

} // namespace MarkupProbe
