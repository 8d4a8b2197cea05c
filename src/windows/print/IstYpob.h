#pragma once

#include "logic/core/database/SubmissionStatements.h"
#include "windows/core/ChildWindow.h"

#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// «Ιστορικό Υποβολών»: every submission, newest first, by the page or by the API, with
// its protocol and the server's submit time, filtered by AFM, entry dates and protocol. It
// opens the proof kept of a page submission and prints or exports the list through the
// report preview.
class IstYpob : public ChildWindow {
    Q_OBJECT
public:
    explicit IstYpob(QWidget* parent = nullptr);

    void activated() override;
    // Reads the submissions of the filter on screen again.
    void reload();
    SubmissionFilter filter() const;
    // The proof of the selected row, in a window of its own.
    void openProof();
    void print();

private:
    QLineEdit* filterField(const QString& name, int maxLength);
    const SubmissionRow* selectedRow() const;
    void updateButtons();

    QLineEdit* m_afm = nullptr;
    QLineEdit* m_dates[2] = {nullptr, nullptr};
    QLineEdit* m_protocol = nullptr;
    QTableWidget* m_grid = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_proofBut = nullptr;
    QPushButton* m_prtBut = nullptr;
    QPushButton* m_exitBut = nullptr;
    QList<SubmissionRow> m_rows;
};
