#pragma once

#include "logic/core/database/EntryStatements.h"

#include "windows/core/ChildWindow.h"

class FormKeys;
class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The schedule entry form: records, for one employee and one day, the hours and remarks,
// entry after entry. Typing an AFM and a date that exist loads the entry for change; an
// AFM that is not in the table, or a part of a name, opens the employee list as a picker.
// The pickers' answers come back when the window becomes active again.
class Kins : public ChildWindow {
    Q_OBJECT
public:
    explicit Kins(QWidget* parent = nullptr);

    void activated() override;

    void save();
    void saveAndSend();
    void remove();
    void clear();

private:
    // The picker the window opened and waits an answer from.
    enum class Picker { None, Employee, Entry, LookedUpEmployee };

    void buildControls();
    void buildButtons();
    void takeHandedEntry();
    void showHandedEntry(const QString& key);
    void leaveAfm();
    bool lookUpEmployee();
    void lookUpEntry();
    void leaveDate();
    void setMode(qint16 mode);
    void showEmployee(const QString& name, const QString& branch);
    void showLastSubmission();
    void takeChosenEmployee();
    bool keySeen(QKeyEvent* event);
    void openPicker(Picker picker);
    void chooseDate();
    void escape();
    void store(bool send);
    bool completeKey();

    // The last key the window saw, 0 when it consumed it.
    int m_lastKey = 0;
    Picker m_picker = Picker::None;
    bool m_loaded = false;
    bool m_lookingUp = false;
    QString m_lookedUpAfm; // the AFM text the employee lookup last ran on
    Entry m_read;          // the entry as read, in change mode
    QWidget* m_focusField = nullptr;
    FormKeys* m_keys = nullptr;
    QLineEdit* m_eafm = nullptr;
    QLabel* m_eepon = nullptr;
    QLabel* m_eypo = nullptr;
    QLineEdit* m_kdate = nullptr;
    QPlainTextEdit* m_korario = nullptr;
    QPlainTextEdit* m_kparat = nullptr;
    QToolButton* m_find[2] = {nullptr, nullptr};
    QToolButton* m_cal = nullptr;
    QPushButton* m_exitBut = nullptr;
    QPushButton* m_saveBut = nullptr;
    QPushButton* m_delBut = nullptr;
    QPushButton* m_sendBut = nullptr;
    QComboBox* m_sendWay = nullptr;
    QLabel* m_lastSub = nullptr;
};
