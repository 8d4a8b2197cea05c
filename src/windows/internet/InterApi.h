#pragma once

#include "logic/internet/SubmissionRecords.h"
#include "logic/internet/WtoDocuments.h"

#include <QDialog>
#include <memory>

class ApiSubmission;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

// "Αποστολή μέσω Web Services (API)": shows what will be sent of the entries handed over
// (the count, each employee and day with the intervals read, each entry that cannot go and
// why), sends it when the user confirms, and shows each document's protocol or fate. Every
// outcome is kept in Submissions as it arrives.
class InterApi : public QDialog {
    Q_OBJECT
public:
    explicit InterApi(QWidget* parent = nullptr);
    ~InterApi() override;

    // The confirmation ("Αποστολή"): asks about entries submitted before, then sends.
    void send();
    bool sending() const;

signals:
    // The sending is over and its outcome shown.
    void sent();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void fillTable();
    void addRow(const ApiEntry& entry, const QString& name, const QString& hours, const QString& state);
    void showOutcome(int document);
    void onFinished();

    SubmissionPlan m_plan;
    QList<EarlierSubmission> m_earlier;
    QList<int> m_firstRow; // of each document in the table
    bool m_empty = false;
    QLabel* m_summary = nullptr;
    QTableWidget* m_grid = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_sendBut = nullptr;
    QPushButton* m_stopBut = nullptr;
    QPushButton* m_exitBut = nullptr;
    std::unique_ptr<ApiSubmission> m_submission;
    std::unique_ptr<SubmissionRecorder> m_recorder;
};
