#include "windows/internet/News.h"

#include "logic/core/files/IniSettings.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/core/services/Services.h"
#include "logic/internet/InternetSettings.h"
#include "logic/internet/NewsFailure.h"
#include "logic/internet/NewsReader.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/InternetSwitch.h"
#include "windows/core/ToolbarPictures.h"
#include "windows/core/WindowNames.h"
#include "windows/internet/NewsKeim.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSizePolicy>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString PauseTip = QStringLiteral("Παύση Ενημέρωσης");
const QString StartTip = QStringLiteral("Εναρξη Ενημέρωσης");

QToolButton* Picture(QWidget* parent, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    button->setIconSize(QSize(32, 32));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

News::News(QWidget* parent) : QDockWidget(QStringLiteral("Επικοινωνία με την Tavrinex"), parent) {
    setObjectName(WindowName::News);
    // A strip of the main window for the whole run: it cannot be closed, moved or floated.
    setFeatures(QDockWidget::NoDockWidgetFeatures);
    setAllowedAreas(Qt::BottomDockWidgetArea);

    auto* inside = new QWidget(this);
    m_newsLst = new QListWidget(inside);
    m_newsLst->setObjectName(QStringLiteral("NewsLst"));
    m_newsLst->installEventFilter(this);
    m_recno = new QLineEdit(inside);
    m_recno->setObjectName(QStringLiteral("Recno"));
    m_recno->setReadOnly(true);
    m_recno->hide();
    m_note = new QLabel(inside);
    m_note->setObjectName(QStringLiteral("NewsNote"));
    // Indented like the titles of the list under it.
    m_note->setContentsMargins(4, 1, 4, 1);
    // A long note wraps instead of widening the main window.
    m_note->setWordWrap(true);
    m_note->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_note->hide();
    m_refImg = Picture(inside, "RefImg");
    m_refImg->setToolTip(QStringLiteral("Ανανέωση"));
    m_refImg->setIcon(
        ToolbarPicture(QStringLiteral("Ref.Ico"), QStringLiteral("view-refresh"), QStyle::SP_BrowserReload));
    m_intImg = Picture(inside, "IntImg");

    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_note);
    column->addWidget(m_newsLst, 1);
    auto* row = new QHBoxLayout(inside);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(TwipsToPixels(10));
    row->addLayout(column, 1);
    row->addWidget(m_refImg, 0, Qt::AlignTop);
    row->addWidget(m_intImg, 0, Qt::AlignTop);
    setWidget(inside);
    inside->setFixedHeight(TwipsToPixels(2400) - TwipsToPixels(40));
    ColourForm(inside);

    m_newsTmr.setObjectName(QStringLiteral("NewsTmr"));
    m_newsTmr.setParent(this);
    connect(&m_newsTmr, &QTimer::timeout, this, &News::tick);
    connect(m_intImg, &QToolButton::clicked, this, &News::toggleUpdating);
    connect(m_refImg, &QToolButton::clicked, this, &News::refresh);
    connect(m_newsLst, &QListWidget::itemDoubleClicked, this, &News::openSelected);

    readServer();
    SetNewsSwitchHandler([this](bool on) { setInternet(on); });
    // A server set in the settings window is used from then on.
    Services::listenToSettings(this, [this] {
        readServer();
        setInternet(m_internet);
    });
}

void News::readServer() {
    m_configured = NewsServerFromSettings().configured();
    if (!m_configured)
        note(QStringLiteral(
                 "Δεν έχει οριστεί διακομιστής ειδήσεων: οι ειδήσεις της Tavrinex δεν ενημερώνονται. "
                 "Ορίστε τον %1.")
                 .arg(WhereToChangeSetting(QStringLiteral("News/Server"))));
    else
        note({});
    showPictures();
}

News::~News() {
    SetNewsSwitchHandler({});
}

void News::setInternet(bool on) {
    m_internet = on;
    if (on && m_configured) {
        m_updatingOn = true;
        m_ticker.start();
    } else {
        m_ticker.stop();
    }
    applyTimer();
    showPictures();
}

void News::showPictures() {
    const bool running = m_updatingOn && m_ticker.interval() > 0;
    m_intImg->setIcon(running
                          ? ToolbarPicture(QStringLiteral("IntRun.Ico"),
                                           QStringLiteral("network-transmit-receive"), QStyle::SP_MediaPlay)
                          : ToolbarPicture(QStringLiteral("IntStop.Ico"), QStringLiteral("network-offline"),
                                           QStyle::SP_MediaStop));
    m_intImg->setToolTip(m_updatingOn ? PauseTip : StartTip);
    const bool usable = m_internet && m_configured;
    m_intImg->setEnabled(usable);
    m_refImg->setEnabled(usable);
}

void News::applyTimer() {
    m_newsTmr.stop();
    if (m_ticker.interval() > 0)
        m_newsTmr.start(m_ticker.interval());
}

void News::tick() {
    const bool due = m_ticker.tick();
    applyTimer();
    if (due)
        refresh();
}

void News::toggleUpdating() {
    if (m_updatingOn)
        pause();
    else {
        m_updatingOn = true;
        m_ticker.resume();
        applyTimer();
        showPictures();
    }
}

void News::pause() {
    m_updatingOn = false;
    m_ticker.stop();
    applyTimer();
    showPictures();
}

void News::refresh() {
    if (!m_configured || m_refreshing)
        return;
    m_refreshing = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const NewsReader::Refresh result =
        NewsReader::RefreshNews(NewsServerFromSettings(), Program.WorkDate, Program.InstallationCode);
    QApplication::restoreOverrideCursor();
    m_refreshing = false;
    if (!result.ok) {
        // The updating pauses until the user starts it again; the list stays as it was.
        if (m_updatingOn)
            pause();
        const Failure failure = NewsServerFailure(NewsServerFromSettings(), result.error);
        note(QStringLiteral("Η ενημέρωση των ειδήσεων σταμάτησε. ") +
                 failure.text.section(QStringLiteral("\r\n"), 0, 0),
             failure.text + QStringLiteral("\n\nΛεπτομέρειες: ") + failure.details);
        emit refreshed(false);
        return;
    }
    note({});
    m_records = result.plan.listedRecords;
    m_newsLst->clear();
    m_newsLst->addItems(result.plan.lines);
    for (int record : result.plan.popUps)
        openArticle(record, false);
    emit refreshed(true);
}

void News::openSelected() {
    const int row = m_newsLst->currentRow();
    if (row >= 0 && row < m_records.size())
        openArticle(m_records.at(row));
}

void News::openArticle(int record, bool byUser) {
    m_recno->setText(QString::number(record));
    NewsKeim::open(m_recno->text().trimmed().toInt(), byUser);
}

void News::note(const QString& text, const QString& detail) {
    m_note->setText(text);
    m_note->setToolTip(detail);
    m_note->setVisible(!text.isEmpty());
}

bool News::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_newsLst && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && m_newsLst->currentItem()) {
            openSelected();
            return true;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}
