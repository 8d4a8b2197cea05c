#pragma once

#include <QDialog>

class QPushButton;
class QTextEdit;

// The version notes: Version.Txt of the data folder, shown and printed.
class Manual : public QDialog {
    Q_OBJECT
public:
    explicit Manual(QWidget* parent = nullptr);

    void printNotes();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void loadNotes();

    QTextEdit* m_version = nullptr;
    QPushButton* m_prtBut = nullptr;
    QPushButton* m_exitBut = nullptr;
};
