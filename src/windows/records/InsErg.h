#pragma once

#include "windows/core/ChildWindow.h"

#include <QString>

class QLineEdit;
class QProgressBar;
class QPushButton;

// The import of employees from a fixed-width ASC file: the employees whose AFM is not in
// the table yet are added with their name and the branch "0".
class InsErg : public ChildWindow {
    Q_OBJECT
public:
    explicit InsErg(QWidget* parent = nullptr);

    void chooseFile();
    void import();

private:
    // The file chosen last in this window, proposed again by the next choice.
    QString m_chosenFile;
    QLineEdit* m_flName = nullptr;
    QPushButton* m_eisBut = nullptr;
    QPushButton* m_exitBut = nullptr;
    QProgressBar* m_progress = nullptr;
};
