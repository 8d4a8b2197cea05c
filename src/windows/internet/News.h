#pragma once

#include "logic/internet/NewsRules.h"

#include <QDockWidget>
#include <QTimer>

class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;

// «Επικοινωνία με την Tavrinex»: the strip along the bottom of the main window that lists the
// maker's current news for the whole run. It refreshes itself 30 seconds after the internet
// switch is turned on and then every hour, pops up the important items by itself and opens
// an item in an article window. Without a news server in Orva.ini it says so and never
// connects.
class News : public QDockWidget {
    Q_OBJECT
public:
    explicit News(QWidget* parent = nullptr);
    ~News() override;

    // The internet switch: on starts the refresh timer (first refresh in 30 seconds), off
    // stops it; the two pictures are enabled only while it is on.
    void setInternet(bool on);
    // The refresh timer's tick.
    void tick();
    // IntImg: pauses the updating, or starts it again.
    void toggleUpdating();
    // RefImg, and the timer when a refresh is due.
    void refresh();
    // A double click or Enter on a title.
    void openSelected();

    bool updatingOn() const { return m_updatingOn; }
    int timerInterval() const { return m_ticker.interval(); }
    const QList<int>& listedRecords() const { return m_records; }

signals:
    // A refresh has ended (tests wait on it).
    void refreshed(bool ok);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyTimer();
    void pause();
    void readServer();
    void showPictures();
    void openArticle(int record, bool byUser = true);
    void note(const QString& text, const QString& detail = {});

    QListWidget* m_newsLst = nullptr;
    QLineEdit* m_recno = nullptr;
    QLabel* m_note = nullptr;
    QToolButton* m_intImg = nullptr;
    QToolButton* m_refImg = nullptr;
    QTimer m_newsTmr;
    NewsRules::Ticker m_ticker;
    QList<int> m_records;
    bool m_updatingOn = true;
    bool m_internet = false;
    bool m_configured = false;
    bool m_refreshing = false;
};
