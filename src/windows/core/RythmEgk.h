#pragma once

#include "logic/core/files/SettingsEditor.h"

#include <QDialog>
#include <QHash>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

// «Ρυθμίσεις Εγκατάστασης»: every setting of Orva.ini, grouped by its section, with its
// comment as help and its default. What is typed is checked against the setting's form as
// it is typed; a site that receives the user's credentials on plain http is kept only when
// the user confirms it. «Αποθήκευση» writes the changed values into the file, keeping its
// comments and other keys, and the program uses them from then on.
class RythmEgk : public QDialog {
    Q_OBJECT
public:
    explicit RythmEgk(QWidget* parent = nullptr);

    // The field of a setting ("Update/PrimaryHost").
    QLineEdit* field(const QString& key) const { return m_fields.value(key); }

protected:
    void reject() override;

private:
    QWidget* buildSection(const QString& section);
    void showProblem(const QString& key);
    void showField(const QString& key);
    bool save();

    QString m_path;
    SettingsEditor m_editor;
    QListWidget* m_sections = nullptr;
    QStackedWidget* m_pages = nullptr;
    QHash<QString, QLineEdit*> m_fields;
    QHash<QString, QLabel*> m_problems;
    QHash<QString, int> m_pageOf;
    QPushButton* m_saveBut = nullptr;
    QPushButton* m_exitBut = nullptr;
};
