#pragma once

#include "windows/core/ChildWindow.h"

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
    QLineEdit* m_flName = nullptr;
    QPushButton* m_eisBut = nullptr;
    QPushButton* m_exitBut = nullptr;
    QProgressBar* m_progress = nullptr;
};
