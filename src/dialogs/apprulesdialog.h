#pragma once

// The Applications dialog of the Options: how phrases go into each
// application. It lists the program's own rules (the terminals and their paste
// keys), which can be given another road but not removed, and the user's
// rules, each an application's name as "Pick a window" reads it (a window
// class or a program file) and a road, or "No abbreviations here" (phrases
// go in on the application's own road, abbreviations stay as typed). It never writes to the store:
// the Options dialog takes rules() from an accepted dialog.

#include "store/apprules.h"
#include "theme/themeddialog.h"

#include <QVector>

class Desktop;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class AppRulesDialog final : public ThemedDialog
{
    Q_OBJECT

public:
    enum Column
    {
        ApplicationColumn = 0,
        RoadColumn,
    };
    // How long "Pick a window" waits for the user's click.
    static constexpr int PickWaitMs = 15000;
    // The road box's data for "No abbreviations here": phrases go in on the
    // application's road, abbreviations typed there stay as typed.
    static constexpr int NoAbbreviations = -1;

    // desktop may be null: "Pick a window" is then unavailable.
    AppRulesDialog(const QVector<AppRule> &rules, Desktop *desktop, QWidget *parent = nullptr);

    // The user's rules as the table holds them now: their own rows, and the
    // program's rows given another road than its own. Rows without a name
    // are left out.
    QVector<AppRule> rules() const;
    // The message of the first check that fails, or an empty string.
    QString validationMessage() const;

    QTableWidget *table() const { return m_table; }
    QPushButton *addButton() const { return m_add; }
    QPushButton *pickButton() const { return m_pick; }
    QPushButton *removeButton() const { return m_remove; }
    QComboBox *roadBox(int row) const;
    // The row of the rule that names match (without regard to case), or -1.
    int rowOf(const QString &match) const;

public slots:
    void accept() override;
    void addRule();
    void pickWindow();
    void removeRule();

protected:
    void changeEvent(QEvent *event) override;

private:
    // Appends a row; builtIn says it is one of the program's own.
    int appendRow(const AppRule &rule, bool builtIn);
    // The rule a row stands for now.
    AppRule ruleOf(int row) const;
    bool isBuiltIn(int row) const;
    InsertMethod builtInRoad(const QString &match, bool *found) const;
    void updateButtons();
    void setTexts();
    void setRowTexts(int row);

    Desktop *desktop;
    QLabel *m_intro = nullptr;
    QLabel *m_pickNote = nullptr;
    QTableWidget *m_table = nullptr;
    QPushButton *m_add = nullptr;
    QPushButton *m_pick = nullptr;
    QPushButton *m_remove = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};
