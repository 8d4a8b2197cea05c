#include "launcher/SetUp.h"

#include "launcher/LauncherDialogs.h"
#include "launcher/LauncherFailures.h"
#include "launcher/SetUpRules.h"

#include <QColor>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QScreen>

namespace {

const QString Attention = QStringLiteral("ΠΡΟΣΟΧΗ");
// The sixteen-colour palette's light red (colour 12) and black.
const QColor LightRed(255, 0, 0);
const QColor Black(0, 0, 0);

// The window: the picture above, the four items below it, a margin under the last.
constexpr int WindowWidth = 492;
constexpr int WindowHeight = 164;

const QString Captions[SetUpRules::ItemCount] = {
    QStringLiteral("Εγκατάσταση προγράμματος"),
    QStringLiteral("Εγκατάσταση Microsoft SQL Server Desktop Edition"),
    QStringLiteral("Ταυτότητα εγκατάστασης"),
    QStringLiteral("Εξοδος"),
};

} // namespace

SetUp::SetUp(const QString& ownFolder, LauncherDialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_base(SetUpRules::BaseFolder(ownFolder)), m_dialogs(dialogs) {
    setObjectName(QStringLiteral("SetUp"));
    setWindowTitle(QStringLiteral("Εγκατάσταση Orva"));
    setFixedSize(WindowWidth, WindowHeight);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, Qt::white);
    setPalette(look);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Pict"));
    picture->setPixmap(QPixmap(QStringLiteral(":/launcher/SetUp.png")));
    picture->setGeometry(0, 0, WindowWidth, 56);
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);

    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    courier.setPointSize(11);
    courier.setBold(true);
    for (int i = 0; i < SetUpRules::ItemCount; ++i) {
        auto* item = new QLabel(Captions[i], this);
        item->setObjectName(QStringLiteral("Lbl_%1").arg(i));
        item->setFont(courier);
        item->setGeometry(SetUpRules::ItemRect(i));
        // The window itself decides what the pointer is over, by the item rule.
        item->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_items[i] = item;
    }
    highlight(-1);
}

void SetUp::load() {
    const SetUpRules::RecordFlag flag =
        SetUpRules::ReadDatabaseServerFlag(m_base + QStringLiteral("Appl.Bt"));
    m_databaseServer = flag.databaseServer;
    if (flag.unreadable)
        m_dialogs.inform(Attention, QStringLiteral("Πρόβλημα στο αρχείο εγκατάστασης."),
                         LauncherDialogs::Icon::Critical);
}

void SetUp::centre() {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void SetUp::highlight(int item) {
    m_highlighted = item;
    for (int i = 0; i < SetUpRules::ItemCount; ++i) {
        QPalette look = m_items[i]->palette();
        look.setColor(QPalette::WindowText, i == item ? Black : LightRed);
        m_items[i]->setPalette(look);
    }
}

void SetUp::mouseMoveEvent(QMouseEvent* event) {
    highlight(SetUpRules::HitItem(SetUpRules::PixelsToTwips(event->position().toPoint())));
}

void SetUp::leaveEvent(QEvent* event) {
    highlight(-1);
    QWidget::leaveEvent(event);
}

void SetUp::mousePressEvent(QMouseEvent* event) {
    const int item = SetUpRules::HitItem(SetUpRules::PixelsToTwips(event->position().toPoint()));
    if (item >= 0)
        runItem(item);
}

void SetUp::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Down:
        highlight((m_highlighted + 1) % SetUpRules::ItemCount);
        return;
    case Qt::Key_Up:
        highlight(m_highlighted <= 0 ? SetUpRules::ItemCount - 1 : m_highlighted - 1);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_highlighted >= 0)
            runItem(m_highlighted);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SetUp::runItem(int item) {
    switch (item) {
    case 0:
        installProgram();
        break;
    case 1:
        installDatabaseServer();
        break;
    case 2:
        saveIdentity();
        break;
    case 3:
        close();
        break;
    default:
        break;
    }
}

void SetUp::installProgram() {
    startInstaller(QStringLiteral("Orva/SetUp"), QStringLiteral("Η εγκατάσταση δεν μπορεί να εκτετεστεί."));
}

void SetUp::installDatabaseServer() {
    if (m_databaseServer == 0) {
        m_dialogs.inform(Attention, QStringLiteral("Δεν χρειάζεται αυτή η εγκατάσταση."),
                         LauncherDialogs::Icon::Information);
        return;
    }
    if (!m_dialogs.askYesNo(
            Attention,
            QStringLiteral("Αν έχετε ήδη εγκατεστημένο τον Microsoft SQL Server, δεν χρειάζεται να "
                           "τον εγκαταστήσετε ξανά.\r\nΝά εγκατασταθεί ο Microsoft SQL Server;"),
            LauncherDialogs::Icon::Critical))
        return;
    if (!m_dialogs.askYesNo(
            Attention,
            QStringLiteral("Ο Microsoft SQL Server θα εγκατασταθεί στον τρέχοντα σκληρό δίσκο.\r\n"
                           "Είναι ο τρέχων υπολογστής ο server του δυκτίου;"),
            LauncherDialogs::Icon::Critical))
        return;
    startInstaller(QStringLiteral("Msde/SetUp"), QStringLiteral("Η εγκατάσταση δεν μπορεί να εκτελεστεί."));
}

void SetUp::saveIdentity() {
    const QString record = m_base + QStringLiteral("Appl.Bt");
    if (!QFileInfo::exists(record)) {
        m_dialogs.inform(Attention, QStringLiteral("Η εγκατάσταση δεν μπορεί να εκτετεστεί."),
                         LauncherDialogs::Icon::Information);
        return;
    }
    const QString target = m_dialogs.saveFileName(QStringLiteral("Appl.Bt"), QStringLiteral("Ταυτότητα (Bt)"),
                                                  QStringLiteral("*.bt"));
    if (target.isEmpty())
        return;
    const SetUpRules::CopyOutcome copy = SetUpRules::CopyIdentity(record, target);
    if (copy.failed == SetUpRules::CopyOutcome::Done)
        return;
    const LauncherFailure failure = copy.failed == SetUpRules::CopyOutcome::Reading
                                        ? IdentityReadFailure(record, copy.technical)
                                        : IdentityWriteFailure(target, copy.technical);
    m_dialogs.inform(Attention, failure.text, LauncherDialogs::Icon::Critical, failure.details);
}

void SetUp::startInstaller(const QString& relative, const QString& missingText) {
    const QFileInfo installer(m_base + relative);
    if (!installer.isFile()) {
        m_dialogs.inform(Attention, missingText, LauncherDialogs::Icon::Information);
        return;
    }
    if (const QString technical = SetUpRules::StartInstaller(installer.filePath()); !technical.isEmpty()) {
        const LauncherFailure failure = InstallerStartFailure(installer.filePath(), technical);
        m_dialogs.inform(Attention, failure.text, LauncherDialogs::Icon::Critical, failure.details);
    }
}
