#include "dialogs/settingsdialog.h"

#include "base/hotkey.h"
#include "dialogs/apprulesdialog.h"
#include "dialogs/ordercombobox.h"
#include "hotkeys/hotkeyedit.h"
#include "hotkeys/layoutnote.h"
#include "store/phrasestore.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSysInfo>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QVBoxLayout *fieldColumn()
{
    auto *column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    return column;
}

} // namespace

SettingsDialog::SettingsDialog(PhraseStore *store, bool showFailed, bool pickerFailed,
                               QWidget *parent)
    : ThemedDialog(parent), store(store)
{
    applyTheme(store->settings().uiTheme);
    setMinimumWidth(520);

    start = new QCheckBox(this);
    minimized = new QCheckBox(this);
    QFormLayout *form = makeForm(showFailed, pickerFailed);

    auto *buttons = new QDialogButtonBox(this);
    ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("primary"));
    ok->setDefault(true);
    cancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &SettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SettingsDialog::reject);

    bodyLayout->addWidget(start);
    bodyLayout->addWidget(minimized);
    bodyLayout->addLayout(form);
    addBindingsPanel();
    bodyLayout->addWidget(buttons);

    setTexts();

    const Settings &current = store->settings();
    start->setChecked(current.startWithWindows);
    minimized->setChecked(current.startMinimized);
    showEditor->setHotkey(current.showMods, current.showVk);
    pickerEditor->setHotkey(current.pickerMods, current.pickerVk);
    order->setCurrentIndex(current.pickerRecentFirst ? 0 : 1);
    abbreviationMode->setCurrentIndex(current.abbreviationsAfterDelimiter ? 1 : 0);
    appRules = current.appRules;
}

// The two command shortcuts with their notes, the picker's order, the
// abbreviations and the per-application rules, made in the order the focus
// moves through them.
// The folder of the phrase list, shown read-only, and the button that
// moves it.
QHBoxLayout *SettingsDialog::makeDataFolderRow()
{
    dataFolderPath = new QLineEdit(this);
    dataFolderPath->setObjectName(QStringLiteral("dataFolder"));
    dataFolderPath->setReadOnly(true);
    showDataFolder(store->dataFolder());
    dataFolderChange = new QPushButton(this);
    dataFolderChange->setObjectName(QStringLiteral("dataFolderButton"));
    dataFolderChange->setEnabled(false); // until the window says how
    auto *row = new QHBoxLayout;
    row->addWidget(dataFolderPath, 1);
    row->addWidget(dataFolderChange);
    return row;
}

QFormLayout *SettingsDialog::makeForm(bool showFailed, bool pickerFailed)
{
    showEditor = new HotkeyEdit(this);
    pickerEditor = new HotkeyEdit(this);
    order = new OrderComboBox(this);
    order->setObjectName(QStringLiteral("orderCombo"));
    order->setMinimumHeight(32);
    showLabel = new QLabel(this);
    pickerLabel = new QLabel(this);
    orderLabel = new QLabel(this);
    abbreviationMode = new OrderComboBox(this);
    abbreviationMode->setObjectName(QStringLiteral("abbreviationCombo"));
    abbreviationMode->setMinimumHeight(32);
    abbreviationLabel = new QLabel(this);

    const auto conflictLabel = [this](bool visible) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("conflict"));
        label->setTextFormat(Qt::RichText);
        label->setStyleSheet(QStringLiteral("color: #d1242f; font-size: 12px;"));
        // The note is longer than the editor is wide in most languages.
        label->setWordWrap(true);
        label->setVisible(visible);
        return label;
    };
    showConflict = conflictLabel(showFailed);
    pickerConflict = conflictLabel(pickerFailed);
    showNote = new LayoutNote(showEditor, this);
    pickerNote = new LayoutNote(pickerEditor, this);

    hint = new QLabel(this);
    hint->setObjectName(QStringLiteral("hint"));
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    auto *form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignTop);
    QVBoxLayout *showColumn = fieldColumn();
    showColumn->addWidget(showEditor);
    showColumn->addWidget(showConflict);
    showColumn->addWidget(showNote);
    form->addRow(showLabel, showColumn);
    QVBoxLayout *pickerColumn = fieldColumn();
    pickerColumn->setAlignment(Qt::AlignTop);
    pickerColumn->addWidget(pickerEditor);
    pickerColumn->addWidget(pickerConflict);
    pickerColumn->addWidget(pickerNote);
    pickerColumn->addWidget(hint, 0, Qt::AlignTop);
    form->addRow(pickerLabel, pickerColumn);
    form->addRow(orderLabel, order);
    // Where abbreviations cannot expand, the reason stands under the box.
    abbreviationNote = new QLabel(this);
    abbreviationNote->setObjectName(QStringLiteral("hint"));
    abbreviationNote->setTextFormat(Qt::PlainText);
    abbreviationNote->setWordWrap(true);
    abbreviationNote->setVisible(false);
    QVBoxLayout *abbreviationColumn = fieldColumn();
    abbreviationColumn->addWidget(abbreviationMode);
    abbreviationColumn->addWidget(abbreviationNote);
    form->addRow(abbreviationLabel, abbreviationColumn);
    applicationsLabel = new QLabel(this);
    applications = new QPushButton(this);
    applications->setObjectName(QStringLiteral("applications"));
    connect(applications, &QPushButton::clicked, this, &SettingsDialog::editApplications);
    auto *applicationsRow = new QHBoxLayout;
    applicationsRow->addWidget(applications);
    applicationsRow->addStretch(1);
    form->addRow(applicationsLabel, applicationsRow);
    // Where the list lives: the path as it is, and the button that moves it.
    dataFolderLabel = new QLabel(this);
    form->addRow(dataFolderLabel, makeDataFolderRow());
    return form;
}

// Where the desktop, not this program, binds the command shortcuts: a note,
// the lines for its configuration, and the buttons that copy, apply or
// remove them, all hidden until the main window fills them in.
void SettingsDialog::addBindingsPanel()
{
    desktopNote = new QLabel(this);
    desktopNote->setObjectName(QStringLiteral("hint"));
    desktopNote->setWordWrap(true);
    // It names files, and the results below name phrases: shown as they
    // stand, never read as markup.
    desktopNote->setTextFormat(Qt::PlainText);
    desktopNote->setVisible(false);
    bodyLayout->addWidget(desktopNote);
    bindingLines = new QPlainTextEdit(this);
    bindingLines->setObjectName(QStringLiteral("bindings"));
    bindingLines->setReadOnly(true);
    bindingLines->setLineWrapMode(QPlainTextEdit::NoWrap);
    bindingLines->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // Five lines, and the scroll bar that long lines bring.
    bindingLines->setFixedHeight(bindingLines->fontMetrics().lineSpacing() * 5 +
                                 bindingLines->horizontalScrollBar()->sizeHint().height() +
                                 2 * bindingLines->frameWidth() + 8);
    bindingLines->setVisible(false);
    copyBindings = new QPushButton(this);
    copyBindings->setVisible(false);
    connect(copyBindings, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(bindingLines->toPlainText()); });
    applyBindings = new QPushButton(this);
    applyBindings->setVisible(false);
    removeBindings = new QPushButton(this);
    removeBindings->setVisible(false);
    bindingResult = new QLabel(this);
    bindingResult->setObjectName(QStringLiteral("hint"));
    bindingResult->setWordWrap(true);
    bindingResult->setTextFormat(Qt::PlainText);
    bindingResult->setVisible(false);
    auto *copyRow = new QHBoxLayout;
    copyRow->addWidget(bindingResult, 1);
    copyRow->addStretch(); // the buttons keep their size while no result shows
    copyRow->addWidget(removeBindings);
    copyRow->addWidget(applyBindings);
    copyRow->addWidget(copyBindings);
    bodyLayout->addWidget(bindingLines);
    bodyLayout->addLayout(copyRow);
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::setDataFolder(const QString &folder, std::function<QString()> change,
                                   const QString &lockedReason)
{
    showDataFolder(folder);
    disconnect(dataFolderChange, &QPushButton::clicked, this, nullptr);
    dataFolderChange->setEnabled(bool(change));
    dataFolderChange->setToolTip(change ? QString() : lockedReason);
    if (!change)
        return;
    connect(dataFolderChange, &QPushButton::clicked, this,
            [this, change] { showDataFolder(change()); });
}

void SettingsDialog::showDataFolder(const QString &folder)
{
    // A long path is cut at the field's end: the whole of it in the tip.
    const QString shown = QDir::toNativeSeparators(folder);
    dataFolderPath->setText(shown);
    dataFolderPath->setToolTip(shown);
    dataFolderPath->setCursorPosition(0);
}

void SettingsDialog::setDesktopNote(const QString &text)
{
    desktopNote->setText(text);
    desktopNote->setVisible(!text.isEmpty());
}

void SettingsDialog::setBindingLines(const QString &lines)
{
    bindingLines->setPlainText(lines);
    bindingLines->setVisible(!lines.isEmpty());
    copyBindings->setVisible(!lines.isEmpty());
}

void SettingsDialog::setBindingActions(const QString &applyText, std::function<QString()> apply,
                                       const QString &removeText, std::function<QString()> remove)
{
    const auto wire = [this](QPushButton *button, const QString &text,
                             std::function<QString()> action) {
        button->setText(text);
        button->setVisible(true);
        disconnect(button, &QPushButton::clicked, this, nullptr);
        connect(button, &QPushButton::clicked, this, [this, action] {
            const QString said = action();
            bindingResult->setText(said);
            bindingResult->setVisible(!said.isEmpty());
        });
    };
    wire(applyBindings, applyText, std::move(apply));
    wire(removeBindings, removeText, std::move(remove));
}

void SettingsDialog::setTexts()
{
    copyBindings->setText(tr("Copy"));
    setWindowTitle(tr("Options"));
    // On Windows the entry is the Run value; elsewhere it is the desktop's
    // autostart entry, and "Windows" would name the wrong system.
    start->setText(QSysInfo::kernelType() == QLatin1String("winnt") ? tr("Start with Windows")
                                                                    : tr("Start when you log in"));
    minimized->setText(tr("Start minimized to the tray"));
    showLabel->setText(tr("Show/hide main window"));
    pickerLabel->setText(tr("Open the picker"));
    orderLabel->setText(tr("Picker order"));
    showEditor->setPlaceholderText(tr("Press a shortcut"));
    pickerEditor->setPlaceholderText(tr("Press a shortcut"));
    ok->setText(tr("OK"));
    cancel->setText(tr("Cancel"));
    applicationsLabel->setText(tr("Applications"));
    applications->setText(tr("How phrases go in…"));
    dataFolderLabel->setText(tr("Data folder"));
    dataFolderChange->setText(tr("Change…"));

    const QString note =
        QStringLiteral("<span style=\"color:#d1242f;\">%1</span>")
            .arg(tr("Already used by another program. Please set this shortcut again.")
                     .toHtmlEscaped());
    showConflict->setText(note);
    pickerConflict->setText(note);

    hint->setText(tr("Press this shortcut and the picker appears beside the text cursor. Click a "
                     "line, or press Enter, to insert it. Press Esc, or press this shortcut "
                     "again, to close it."));
    QTimer::singleShot(0, this, &SettingsDialog::fitHint);

    fillOrderBox();
    abbreviationLabel->setText(tr("Abbreviations expand"));
    fillAbbreviationBox();
}

void SettingsDialog::fillAbbreviationBox()
{
    const QVariant previous = abbreviationMode->currentData();
    const QSignalBlocker blocker(abbreviationMode);
    abbreviationMode->clear();
    abbreviationMode->addItem(tr("At once"), false);
    abbreviationMode->addItem(tr("After a space, Tab, Enter or punctuation"), true);
    const int index = previous.isValid() ? abbreviationMode->findData(previous) : -1;
    abbreviationMode->setCurrentIndex(index < 0 ? 0 : index);
}

void SettingsDialog::setAbbreviationsUnavailable(const QString &reason)
{
    abbreviationMode->setEnabled(reason.isEmpty());
    abbreviationLabel->setEnabled(reason.isEmpty());
    abbreviationNote->setText(reason);
    abbreviationNote->setVisible(!reason.isEmpty());
}

void SettingsDialog::fillOrderBox()
{
    const QVariant previous = order->currentData();
    const QSignalBlocker blocker(order);
    order->clear();
    order->addItem(tr("Recently used on top"), true);
    order->addItem(tr("Keep the list order"), false);
    const int index = previous.isValid() ? order->findData(previous) : -1;
    order->setCurrentIndex(index < 0 ? 0 : index);
}

void SettingsDialog::editApplications()
{
    AppRulesDialog dialog(appRules, desktop, this);
    dialog.applyTheme(store->settings().uiTheme);
    if (dialog.exec() == QDialog::Accepted)
        appRules = dialog.rules();
}

void SettingsDialog::setDesktop(Desktop *desktop)
{
    this->desktop = desktop;
    showEditor->setDesktop(desktop);
    pickerEditor->setDesktop(desktop);
    showNote->refresh();
    pickerNote->refresh();
}

Settings SettingsDialog::settings() const
{
    Settings result = store->settings();
    result.startWithWindows = start->isChecked();
    result.startMinimized = minimized->isChecked();
    result.showVk = showEditor->vk();
    result.showMods = showEditor->mods();
    result.pickerVk = pickerEditor->vk();
    result.pickerMods = pickerEditor->mods();
    result.pickerRecentFirst = order->currentData().toBool();
    result.abbreviationsAfterDelimiter = abbreviationMode->currentData().toBool();
    result.appRules = appRules;
    return result;
}

QString SettingsDialog::validationMessage() const
{
    const Settings c = settings();
    if (c.showVk == 0 || c.pickerVk == 0 || !Hotkey::hasModifier(c.showMods) ||
        !Hotkey::hasModifier(c.pickerMods))
        return tr("Include Ctrl, Alt, Shift, or Win so a bare letter is not captured.");
    // Refused as a stored shortcut is (HotkeyManager): a combination
    // accepted here would not register.
    for (const HotkeyEdit *editor : {showEditor, pickerEditor}) {
        const QString refused = editor->refusalMessage();
        if (!refused.isEmpty())
            return refused;
    }
    if (Hotkey::sameHotkey(c.showMods, c.showVk, c.pickerMods, c.pickerVk))
        return tr("The two commands need different shortcuts.");
    // Only enabled phrases take part: a disabled phrase holds no registration.
    for (const QString &id : {store->findHotkeyConflict(c.showMods, c.showVk, QString()),
                              store->findHotkeyConflict(c.pickerMods, c.pickerVk, QString())}) {
        const int index = id.isEmpty() ? -1 : store->indexOfId(id);
        if (index >= 0)
            return tr("This shortcut is already used by a phrase.") + QLatin1Char(' ') +
                   tr("It belongs to “%1”.")
                       .arg(PhraseStore::phraseLabel(store->phrases().at(index)));
    }
    return QString();
}

void SettingsDialog::accept()
{
    const QString message = validationMessage();
    if (!message.isEmpty()) {
        showThemedMessage(this, tr("Options"), message);
        return;
    }
    ThemedDialog::accept();
}

void SettingsDialog::showEvent(QShowEvent *event)
{
    ThemedDialog::showEvent(event);
    fitHint();
    centreOnParent();
}

void SettingsDialog::fitHint()
{
    if (fitting || !hint)
        return;
    fitting = true;
    setMinimumHeight(0);
    setMaximumHeight(QWIDGETSIZE_MAX);
    setMaximumWidth(QWIDGETSIZE_MAX);

    int width = pickerEditor->width();
    if (width < 40)
        width = hint->width();
    if (width < 40)
        width = qMax(40, this->width() - 200);
    hint->setFixedHeight(qMax(hint->heightForWidth(width), hint->fontMetrics().lineSpacing()));
    hint->updateGeometry();

    bodyLayout->invalidate();
    bodyLayout->activate();
    if (layout()) {
        layout()->invalidate();
        layout()->activate();
    }
    const int preferred = sizeHint().height();
    if (height() < preferred)
        resize(qMax(this->width(), minimumWidth()), preferred);
    fitting = false;
}

void SettingsDialog::centreOnParent()
{
    QWidget *owner = parentWidget();
    if (!owner)
        return;
    const QPoint centre = owner->frameGeometry().center();
    move(centre.x() - width() / 2, centre.y() - height() / 2);
}
