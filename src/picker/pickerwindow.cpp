#include "picker/pickerwindow.h"

#include "insert/targetwindow.h"
#include "picker/pickerplacement.h"
#include "picker/pickerrowdelegate.h"
#include "platform/desktop.h"
#include "theme/hiddenwindow.h"
#include "theme/popupbutton.h"
#include "theme/stylesheets.h"
#include "theme/theme.h"
#include "theme/widesttext.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

PickerWindow::PickerWindow() : ThemedDialog(nullptr)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setProperty("picker", true);
    resize(446, 400);

    bodyLayout->setContentsMargins(12, 10, 12, 12);
    bodyLayout->setSpacing(8);

    m_searchBox = new QLineEdit(this);
    m_searchBox->setObjectName(QStringLiteral("pickerSearch"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("pickerList"));
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setItemDelegate(new PickerRowDelegate(m_list));
    // Every row is one line: the view need not measure ten thousand of them.
    m_list->setUniformItemSizes(true);
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("hint"));
    m_hint->setWordWrap(true);
    bodyLayout->addWidget(m_searchBox);
    bodyLayout->addWidget(m_list, 1);
    bodyLayout->addWidget(m_hint);

    m_settingsButton = addTitleBarAction();
    buildSettingsPopup();

    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &PickerWindow::dismiss);

    connect(m_searchBox, &QLineEdit::textChanged, this, &PickerWindow::applyFilter);
    connect(m_list, &QListWidget::itemClicked, this, &PickerWindow::chooseCurrent);
    connect(m_list, &QListWidget::itemActivated, this, &PickerWindow::chooseCurrent);
    connect(m_opacitySlider, &QSlider::valueChanged, this, &PickerWindow::onOpacityStep);
    connect(m_settingsButton, &QPushButton::toggled, this, &PickerWindow::onSettingsToggled);
    m_searchBox->installEventFilter(this);
    m_list->installEventFilter(this);
    m_settingsPopup->installEventFilter(this);

    setWindowOpacity(m_opacitySlider->value() / 100.0);
    setTheme(Theme::current());
    setTexts();
}

PickerWindow::~PickerWindow() = default;

void PickerWindow::buildSettingsPopup()
{
    m_settingsPopup = new QFrame(this, Qt::Popup | Qt::FramelessWindowHint);
    m_settingsPopup->setObjectName(QStringLiteral("settingsPopup"));
    // At least this wide; wider where a translation needs it.
    m_settingsPopup->setMinimumWidth(PopupWidth);
    auto *layout = new QVBoxLayout(m_settingsPopup);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->setSpacing(8);
    m_opacityLabel = new QLabel(m_settingsPopup);
    m_opacityLabel->setObjectName(QStringLiteral("settingsLabel"));
    m_opacitySlider = new QSlider(Qt::Horizontal, m_settingsPopup);
    m_opacitySlider->setObjectName(QStringLiteral("opacitySlider"));
    m_opacitySlider->setRange(MinOpacity, MaxOpacity);
    m_opacitySlider->setValue(97);
    m_opacitySlider->setFixedHeight(22);
    layout->addWidget(m_opacityLabel);
    layout->addWidget(m_opacitySlider);
    m_settingsPopup->hide();
}

void PickerWindow::setTexts()
{
    setWindowTitle(tr("Picker"));
    m_settingsButton->setToolTip(tr("Picker settings"));
    m_opacityLabel->setText(tr("Opacity: %1%").arg(m_opacitySlider->value()));
    m_searchBox->setPlaceholderText(tr("Search phrases"));
    m_hint->setText(tr("Click a line, or press Enter, to insert it. Press Esc, or press this "
                       "shortcut again, to close."));
    // The placeholder row, when it is showing, speaks the new language too.
    if (m_results.isEmpty() && m_list->count() == 1)
        m_list->item(0)->setText(tr("No matching phrases"));
}

void PickerWindow::setTheme(int theme)
{
    applyTheme(theme);
    Theme::replaceStyleSheet(m_settingsPopup, Theme::pickerPopupStyleSheet(theme));
}

void PickerWindow::setPhrases(const QVector<Phrase> &phrases, bool recentFirst)
{
    m_recentFirst = recentFirst;
    m_candidates = PhraseSearch::buildCandidates(phrases, recentFirst);
    m_list->setProperty("hideNameColumn", m_candidates.hideName);
    // The columns fit what is offered, not what a search leaves, so that
    // they stay put while the user types.
    m_list->ensurePolished();
    WidestText names(m_list->fontMetrics());
    WidestText shortcuts(m_list->fontMetrics());
    for (const PhraseSearch::Candidate &c : qAsConst(m_candidates.list)) {
        names.add(c.phrase.name);
        shortcuts.add(c.keyText);
    }
    if (auto *delegate = qobject_cast<PickerRowDelegate *>(m_list->itemDelegate()))
        delegate->setContentWidths(names.width(), shortcuts.width());
}

void PickerWindow::applyFilter(const QString &text)
{
    m_results = PhraseSearch::match(m_candidates.list, text);

    m_list->setUpdatesEnabled(false);
    m_list->clear();
    if (m_results.isEmpty()) {
        auto *placeholder = new QListWidgetItem(tr("No matching phrases"));
        // Neither selectable nor enabled: it can never become current.
        placeholder->setFlags(Qt::NoItemFlags);
        m_list->addItem(placeholder);
    } else {
        for (const PhraseSearch::Candidate &c : qAsConst(m_results)) {
            auto *item = new QListWidgetItem;
            // The display text gives the row its height and a screen reader
            // something to say; the painter uses the three roles.
            item->setData(Qt::DisplayRole, c.preview);
            item->setData(PickerRowDelegate::NameRole, c.phrase.name);
            item->setData(PickerRowDelegate::ShortcutRole, c.keyText);
            item->setData(PickerRowDelegate::PreviewRole, c.preview);
            m_list->addItem(item);
        }
    }
    // Making a row current must not scroll: in list-order mode the picker
    // keeps the scroll position it had, wherever the current row is.
    const bool autoScroll = m_list->hasAutoScroll();
    m_list->setAutoScroll(false);
    m_list->setCurrentRow(PhraseSearch::currentRow(m_results, m_recentFirst));
    m_list->setAutoScroll(autoScroll);
    m_list->setUpdatesEnabled(true);
}

void PickerWindow::chooseCurrent()
{
    // The list reports Return as an activation and passes the key on to the
    // picker as well; once hidden, the picker has chosen already.
    if (!isVisible())
        return;
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_results.size())
        return;
    const QString id = m_results.at(row).phrase.id;
    hide();
    emit phraseChosen(id);
}

void PickerWindow::dismiss()
{
    if (!isVisible())
        return;
    hide();
    emit dismissed();
}

QRect PickerWindow::areaFor(const QPoint &point) const
{
    const QRect screens = PickerPlacement::areaFor(point);
    if (!m_desktop)
        return screens;
    // The desktop's own bars, which the screens may not leave out (XWayland
    // knows nothing of swaybar), in physical pixels.
    const QScreen *screen = QGuiApplication::screenAt(point);
    const qreal r = screen ? screen->devicePixelRatio() : 1.0;
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    const QRect work = m_desktop->ownWindows().workArea(origin + (point - origin) * r);
    if (!work.isValid())
        return screens;
    const QRect logical(physicalToLogical(work.topLeft()),
                        physicalToLogical(work.bottomRight() + QPoint(1, 1)) - QPoint(1, 1));
    const QRect both = screens.intersected(logical);
    return both.isValid() ? both : screens;
}

void PickerWindow::showAt(const QPoint &point)
{
    if (m_settingsButton->isChecked())
        m_settingsButton->setChecked(false);
    {
        // One filling for the empty search, not two.
        const QSignalBlocker blocker(m_searchBox);
        m_searchBox->clear();
    }
    applyFilter(QString());

    move(PickerPlacement::place(point, size(), areaFor(point)));
    show();
    raise();
    activateWindow();
    m_searchBox->setFocus();

    QTimer::singleShot(0, this, [this] {
        if (!isVisible())
            return;
        if (m_recentFirst)
            m_list->scrollToTop();
        else
            m_list->verticalScrollBar()->setValue(m_savedScroll);
    });
}

void PickerWindow::setOpacityPercent(int percent)
{
    percent = qBound(MinOpacity, percent, MaxOpacity);
    if (percent == m_opacitySlider->value())
        setWindowOpacity(percent / 100.0);
    else
        m_opacitySlider->setValue(percent);
}

void PickerWindow::onOpacityStep(int value)
{
    setWindowOpacity(value / 100.0);
    m_opacityLabel->setText(tr("Opacity: %1%").arg(value));
    emit opacityChanged(value);
}

void PickerWindow::onSettingsToggled(bool checked)
{
    if (!checked) {
        m_settingsPopup->hide();
        return;
    }
    m_settingsPopup->resize(m_settingsPopup->sizeHint());
    // Right edges aligned, 4 pixels below the button.
    m_settingsPopup->adjustSize();
    m_settingsPopup->move(
        m_settingsButton->mapToGlobal(QPoint(m_settingsButton->width() - m_settingsPopup->width(),
                                             m_settingsButton->height() + PopupGap)));
    m_settingsPopup->show();
    m_settingsPopup->raise();
}

bool PickerWindow::handleKey(int key)
{
    switch (key) {
    case Qt::Key_Escape:
        dismiss();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        chooseCurrent();
        return true;
    case Qt::Key_Down:
        moveCurrent(1);
        return true;
    case Qt::Key_Up:
        moveCurrent(-1);
        return true;
    default:
        return false;
    }
}

void PickerWindow::moveCurrent(int step)
{
    // The placeholder row never becomes current.
    if (m_results.isEmpty())
        return;
    const int count = m_list->count();
    const int current = m_list->currentRow();
    const int next =
        step > 0 ? (current < 0 ? 0 : qMin(current + 1, count - 1)) : qMax(current - 1, 0);
    m_list->setCurrentRow(next);
}

void PickerWindow::keyPressEvent(QKeyEvent *event)
{
    if (handleKey(event->key())) {
        event->accept();
        return;
    }
    ThemedDialog::keyPressEvent(event);
}

bool PickerWindow::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == m_searchBox && type == QEvent::KeyPress) {
        // The search box keeps every key for typing except these.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_Return ||
            key == Qt::Key_Enter || key == Qt::Key_Escape)
            return handleKey(key);
    } else if (watched == m_list && type == QEvent::KeyPress) {
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
            dismiss();
            return true;
        }
    } else if (watched == m_settingsPopup) {
        PopupButton::follow(m_settingsPopup, m_settingsButton, event);
    }
    return ThemedDialog::eventFilter(watched, event);
}

void PickerWindow::showEvent(QShowEvent *event)
{
    // Before the window is mapped, where the window manager reads it: a
    // picker is no window to switch to.
    if (m_desktop && !event->spontaneous())
        m_desktop->ownWindows().keepOutOfTaskBar(WindowHandle(winId()));
    ThemedDialog::showEvent(event);
}

void PickerWindow::hideEvent(QHideEvent *event)
{
    if (m_settingsButton->isChecked())
        m_settingsButton->setChecked(false);
    if (!m_recentFirst)
        m_savedScroll = m_list->verticalScrollBar()->value();
    ThemedDialog::hideEvent(event);
    releaseHiddenPixels(this, event);
}

void PickerWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setTexts();
    ThemedDialog::changeEvent(event);
}
