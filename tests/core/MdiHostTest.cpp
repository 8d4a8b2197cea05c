#include "windows/core/MdiHost.h"
#include "ModalDriver.h"
#include "windows/core/ChildWindow.h"
#include "windows/core/WindowCatalogue.h"

#include <QDialog>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QTest>

namespace {

// A child window that writes down when it is told of activation changes.
class RecordingWindow : public ChildWindow {
public:
    explicit RecordingWindow(const QString& name, QStringList* log) : m_log(log) { setObjectName(name); }
    void activated() override { *m_log << objectName() + QStringLiteral("+"); }
    void deactivated() override { *m_log << objectName() + QStringLiteral("-"); }

private:
    QStringList* m_log;
};

} // namespace

// Opening child windows by name, their size and place, and the activation they are told of.
class MdiHostTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_log.clear();
        m_frame = std::make_unique<QMainWindow>();
        m_host = new MdiHost;
        m_frame->setCentralWidget(m_host);
        m_frame->resize(1000, 800);
        m_frame->show();
        QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
        for (const char* name : {"A", "B"}) {
            WindowCatalogue::addChild(QString::fromLatin1(name), [this, name] {
                return new RecordingWindow(QString::fromLatin1(name), &m_log);
            });
        }
    }
    void cleanup() { m_frame.reset(); }

    void aWindowIsOpenedOnceByName() {
        ChildWindow* first = m_host->openChild(QStringLiteral("A"));
        QVERIFY(first);
        QCOMPARE(m_host->openChild(QStringLiteral("A")), first);
        QCOMPARE(m_host->subWindowList().size(), 1);
        QVERIFY(!m_host->openChild(QStringLiteral("NoSuchWindow")));
        QCOMPARE(m_host->showModal(QStringLiteral("NoSuchWindow")), -1);
    }

    void sizeAndPlaceInTwipsAreKept() {
        auto* window = new ChildWindow;
        window->resizeTwips(4500, 3000);
        window->placeAtTwips(150, 1000);
        m_host->addChild(window);
        QCOMPARE(window->size(), QSize(300, 200));
        QCOMPARE(window->subWindow()->pos(), QPoint(10, 67));
        window->resizeTwips(6000, 1500);
        QCOMPARE(window->size(), QSize(400, 100));
    }

    void activationMovesBetweenChildrenAndComesBackWhenOneCloses() {
        m_host->openChild(QStringLiteral("A"));
        QCOMPARE(m_log, QStringList{"A+"});
        ChildWindow* b = m_host->openChild(QStringLiteral("B"));
        QCOMPARE(m_log, (QStringList{"A+", "A-", "B+"}));
        // A picker that closes hands the activation back to the window that opened it.
        b->closeWindow();
        QTRY_COMPARE(m_log, (QStringList{"A+", "A-", "B+", "A+"}));
    }

    void aModalDialogDoesNotDeactivateTheChild() {
        m_host->openChild(QStringLiteral("A"));
        WindowCatalogue::addModal(QStringLiteral("Question"),
                                  [](QWidget* parent) { return new QDialog(parent); });
        ModalDriver driver;
        driver.run([](QDialog* dialog) { dialog->accept(); },
                   [this] { m_host->showModal(QStringLiteral("Question")); });
        QVERIFY(driver.drove());
        QTest::qWait(50);
        QCOMPARE(m_log, QStringList{"A+"});
    }

private:
    std::unique_ptr<QMainWindow> m_frame;
    MdiHost* m_host = nullptr;
    QStringList m_log;
};

QTEST_MAIN(MdiHostTest)
#include "MdiHostTest.moc"
