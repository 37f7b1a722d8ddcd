#include "dialogs/apprulesdialog.h"

#include "insert/insertplans.h"
#include "platform/desktop.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <iterator>

namespace {

constexpr int BuiltInRole = Qt::UserRole + 1;
// On the name: the road a "No abbreviations here" row keeps for its phrases.
constexpr int RoadUnderRole = Qt::UserRole + 2;

const InsertMethod roads[] = {InsertMethod::Automatic,        InsertMethod::TypeOnly,
                              InsertMethod::PasteCtrlV,       InsertMethod::PasteCtrlShiftV,
                              InsertMethod::PasteShiftInsert, InsertMethod::Never};

} // namespace

AppRulesDialog::AppRulesDialog(const QVector<AppRule> &rules, Desktop *desktop, QWidget *parent)
    : ThemedDialog(parent), desktop(desktop)
{
    setMinimumSize(560, 460);
    resize(640, 520);

    m_intro = new QLabel(this);
    m_intro->setObjectName(QStringLiteral("hint"));
    m_intro->setWordWrap(true);
    bodyLayout->addWidget(m_intro);

    m_table = new QTableWidget(0, 2, this);
    m_table->setObjectName(QStringLiteral("appRules"));
    m_table->verticalHeader()->setVisible(false);
    // A row as high as its road's combo box.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->horizontalHeader()->setSectionResizeMode(ApplicationColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(RoadColumn, QHeaderView::ResizeToContents);
    bodyLayout->addWidget(m_table, 1);

    m_pickNote = new QLabel(this);
    m_pickNote->setObjectName(QStringLiteral("hint"));
    m_pickNote->setWordWrap(true);
    m_pickNote->setVisible(false);
    bodyLayout->addWidget(m_pickNote);

    auto *row = new QHBoxLayout;
    m_add = new QPushButton(this);
    m_pick = new QPushButton(this);
    m_remove = new QPushButton(this);
    m_pick->setEnabled(desktop != nullptr);
    row->addWidget(m_add);
    row->addWidget(m_pick);
    row->addWidget(m_remove);
    row->addStretch(1);
    bodyLayout->addLayout(row);
    connect(m_add, &QPushButton::clicked, this, &AppRulesDialog::addRule);
    connect(m_pick, &QPushButton::clicked, this, &AppRulesDialog::pickWindow);
    connect(m_remove, &QPushButton::clicked, this, &AppRulesDialog::removeRule);

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("primary"));
    m_ok->setDefault(true);
    m_cancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &AppRulesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &AppRulesDialog::reject);
    bodyLayout->addWidget(buttons);

    // The user's own rules first, then the program's, each with the road the
    // user gave it, if any.
    for (const AppRule &r : rules) {
        bool builtIn = false;
        builtInRoad(r.match, &builtIn);
        if (!builtIn)
            appendRow(r, false);
    }
    for (const AppRule &b : InsertPlans::builtInRules()) {
        AppRule rule = b;
        for (const AppRule &r : rules) {
            if (r.match.compare(b.match, Qt::CaseInsensitive) == 0)
                rule = {b.match, r.method, r.abbreviations};
        }
        appendRow(rule, true);
    }
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &AppRulesDialog::updateButtons);
    setTexts();
    updateButtons();
}

InsertMethod AppRulesDialog::builtInRoad(const QString &match, bool *found) const
{
    for (const AppRule &b : InsertPlans::builtInRules()) {
        if (b.match.compare(match.trimmed(), Qt::CaseInsensitive) == 0) {
            *found = true;
            return b.method;
        }
    }
    *found = false;
    return InsertMethod::Automatic;
}

int AppRulesDialog::appendRow(const AppRule &rule, bool builtIn)
{
    const QString &match = rule.match;
    // The user's rows go above the program's.
    int row = m_table->rowCount();
    if (!builtIn) {
        row = 0;
        while (row < m_table->rowCount() && !isBuiltIn(row))
            ++row;
    }
    m_table->insertRow(row);
    auto *name = new QTableWidgetItem(match);
    name->setData(BuiltInRole, builtIn);
    // What a row that does without abbreviations does with phrases: what
    // its stored rule said, else the program's own road for it.
    bool found = false;
    const InsertMethod own = builtInRoad(match, &found);
    const bool noAbbreviations = !rule.abbreviations && rule.method != InsertMethod::Never;
    name->setData(RoadUnderRole, int(noAbbreviations ? rule.method : own));
    if (builtIn) {
        name->setFlags(name->flags() & ~Qt::ItemIsEditable);
        QFont font = name->font();
        font.setItalic(true);
        name->setFont(font);
    }
    m_table->setItem(row, ApplicationColumn, name);
    auto *box = new QComboBox(m_table);
    for (InsertMethod r : roads)
        box->addItem(QString(), int(r));
    box->addItem(QString(), NoAbbreviations);
    box->setCurrentIndex(box->findData(noAbbreviations ? NoAbbreviations : int(rule.method)));
    connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &AppRulesDialog::updateButtons);
    m_table->setCellWidget(row, RoadColumn, box);
    setRowTexts(row);
    return row;
}

bool AppRulesDialog::isBuiltIn(int row) const
{
    const QTableWidgetItem *item = m_table->item(row, ApplicationColumn);
    return item && item->data(BuiltInRole).toBool();
}

QComboBox *AppRulesDialog::roadBox(int row) const
{
    return qobject_cast<QComboBox *>(m_table->cellWidget(row, RoadColumn));
}

int AppRulesDialog::rowOf(const QString &match) const
{
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QTableWidgetItem *item = m_table->item(row, ApplicationColumn);
        if (item && item->text().trimmed().compare(match.trimmed(), Qt::CaseInsensitive) == 0)
            return row;
    }
    return -1;
}

AppRule AppRulesDialog::ruleOf(int row) const
{
    const QTableWidgetItem *name = m_table->item(row, ApplicationColumn);
    AppRule rule;
    rule.match = name->text().trimmed();
    const int choice = roadBox(row)->currentData().toInt();
    if (choice != NoAbbreviations) {
        rule.method = InsertMethod(choice);
        return rule;
    }
    rule.abbreviations = false;
    rule.method = InsertMethod(name->data(RoadUnderRole).toInt());
    return rule;
}

QVector<AppRule> AppRulesDialog::rules() const
{
    QVector<AppRule> out;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const AppRule rule = ruleOf(row);
        if (rule.match.isEmpty())
            continue;
        bool builtIn = false;
        const InsertMethod own = builtInRoad(rule.match, &builtIn);
        if (isBuiltIn(row) && rule.method == own && rule.abbreviations)
            continue; // the program's own rule, as it is
        out.append(rule);
    }
    return out;
}

QString AppRulesDialog::validationMessage() const
{
    QStringList seen;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QString match = m_table->item(row, ApplicationColumn)->text().trimmed();
        if (match.isEmpty())
            continue;
        for (const QString &other : qAsConst(seen)) {
            if (other.compare(match, Qt::CaseInsensitive) == 0)
                return tr("Two rules name “%1”. Keep one.").arg(match);
        }
        seen << match;
    }
    return QString();
}

void AppRulesDialog::accept()
{
    const QString message = validationMessage();
    if (!message.isEmpty()) {
        showThemedMessage(this, windowTitle(), message);
        return;
    }
    ThemedDialog::accept();
}

void AppRulesDialog::addRule()
{
    const int row = appendRow(AppRule(), false);
    m_table->setCurrentCell(row, ApplicationColumn);
    m_table->editItem(m_table->item(row, ApplicationColumn));
}

void AppRulesDialog::pickWindow()
{
    if (!desktop)
        return;
    m_pickNote->setText(tr("Click a window of the application. A right click stops."));
    m_pickNote->setVisible(true);
    m_pick->setEnabled(false);
    const WindowHandle picked = desktop->targets().pickWindow(PickWaitMs);
    m_pick->setEnabled(true);
    raise();
    activateWindow();
    TargetApp app;
    if (!picked || !desktop->targets().targetApplication(picked, &app) || app.preferred.isEmpty()) {
        m_pickNote->setText(tr("No window was picked."));
        return;
    }
    m_pickNote->setVisible(false);
    int row = rowOf(app.preferred);
    if (row < 0) {
        bool builtIn = false;
        const InsertMethod road = builtInRoad(app.preferred, &builtIn);
        row = appendRow({app.preferred, road}, false);
    }
    m_table->setCurrentCell(row, RoadColumn);
    m_table->scrollToItem(m_table->item(row, ApplicationColumn));
}

void AppRulesDialog::removeRule()
{
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    if (!isBuiltIn(row)) {
        m_table->removeRow(row);
    } else {
        // The program's own rule stays; the user's road for it goes.
        bool found = false;
        const InsertMethod own = builtInRoad(m_table->item(row, ApplicationColumn)->text(), &found);
        roadBox(row)->setCurrentIndex(roadBox(row)->findData(int(own)));
    }
    updateButtons();
}

void AppRulesDialog::updateButtons()
{
    const int row = m_table->currentRow();
    bool removable = row >= 0 && !isBuiltIn(row);
    if (row >= 0 && isBuiltIn(row)) {
        bool found = false;
        const AppRule rule = ruleOf(row);
        removable = rule.method != builtInRoad(rule.match, &found) || !rule.abbreviations;
    }
    m_remove->setEnabled(removable);
}

void AppRulesDialog::setTexts()
{
    setWindowTitle(tr("Applications"));
    m_intro->setText(tr("How phrases go into each application. An application is named by its "
                        "window class or its program file, as Pick a window shows it. Terminals "
                        "have rules of their own, which you can change but not remove."));
    m_table->setHorizontalHeaderLabels({tr("Application"), tr("How phrases go in")});
    m_add->setText(tr("Add"));
    m_pick->setText(tr("Pick a window"));
    m_remove->setText(tr("Remove"));
    m_ok->setText(tr("OK"));
    m_cancel->setText(tr("Cancel"));
    for (int row = 0; row < m_table->rowCount(); ++row)
        setRowTexts(row);
}

void AppRulesDialog::setRowTexts(int row)
{
    const QString roadTexts[] = {tr("Automatic"),
                                 tr("Type only"),
                                 tr("Paste with Ctrl+V"),
                                 tr("Paste with Ctrl+Shift+V"),
                                 tr("Paste with Shift+Insert"),
                                 tr("Never insert here"),
                                 tr("No abbreviations here")};
    static_assert(std::size(roads) + 1 == std::size(roadTexts), "a text for every choice");
    if (QComboBox *box = roadBox(row)) {
        for (int i = 0; i < box->count(); ++i)
            box->setItemText(i, roadTexts[i]);
        box->setItemData(box->count() - 1,
                         tr("Shortcuts, the picker and the panel still put phrases here; "
                            "abbreviations typed here stay as typed. For programs whose password "
                            "fields Zem Scrivlet cannot recognise."),
                         Qt::ToolTipRole);
    }
    if (isBuiltIn(row))
        m_table->item(row, ApplicationColumn)
            ->setToolTip(tr("One of Zem Scrivlet's own rules. Choose another way for it, or "
                            "Remove to go back to its own."));
}

void AppRulesDialog::changeEvent(QEvent *event)
{
    ThemedDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && m_ok)
        setTexts();
}
