#include "ExportTestSupport.h"
#include "JobBuilder.h"
#include "PreviewFixture.h"
#include "TestDataFolder.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "shell/Windows.h"
#include "windows/core/WindowCatalogue.h"
#include "windows/print/Lbprint.h"

#include <QAction>
#include <QTest>

using namespace JobBuilder;
using namespace ExportTestSupport;
using namespace Qt::StringLiterals;

// The exports started from the preview window, as a user starts them: the toolbar's export
// menu and the right-click menu.
class PreviewExportTest : public QObject {
    Q_OBJECT

    // 40 lines on pages of 16, 16 and 8, showing the second page.
    Lbprint* openPreview() {
        auto* preview = new Lbprint;
        preview->InitTitles({}, {});
        for (int i = 0; i < 40; ++i)
            preview->PutLine(Line(u"Γραμμή %1"_s.arg(i), 40), {});
        preview->FixTitles(u"Ευρετήριο Δοκιμής"_s, 0, 0);
        preview->FixTitles(QString(40, u' ') + u'|', 1, 1);
        preview->Initprint(40, 2, 10, 20, true, true, false, {}, u"Tavrinex SA"_s, {});
        preview->PictPages();
        preview->nextPage();
        return preview;
    }

    QAction* exportTool(Lbprint* preview) { return preview->findChild<QAction*>(u"Tools_6"_s); }
    QWidget* pict(Lbprint* preview) { return preview->findChild<QWidget*>(u"Pict"_s); }

    void rightClick(Lbprint* preview) {
        const double y = preview->job().page().headerBottom + preview->job().geometry().lineHeight / 2;
        QTest::mouseClick(pict(preview), Qt::RightButton, {}, QPoint(200, TwipsToPixels(y)));
    }

private slots:
    void init() {
        m_folder = std::make_unique<TestDataFolder>();
        Program.WorkDate = QDate(2026, 12, 8);
        Program.Colours = ColourSettings::defaults();
        m_fx.setUp();
        RegisterWindows();
    }
    void cleanup() {
        m_fx.tearDown();
        m_folder.reset();
    }

    void theRightClickMenuWritesTheTextFile() {
        Lbprint* preview = openPreview();
        const QString path = m_folder->file(u"Ευρετήριο.Asc"_s);
        m_fx.dialogs->popUpChoices = {2, 2}; // "Αρχείο Asc", then "Γραμματοσειρά Dos"
        m_fx.dialogs->fileNames = {path};
        rightClick(preview);
        const QList<QByteArray> lines = CrLfLines(ReadAll(path));
        QCOMPARE(lines.size(), 66);
        QVERIFY(
            lines.contains(QByteArray("\x82\xa8\x98\xa3\xa3\xe3 0").leftJustified(39))); // "Γραμμή 0" in 737
        QCOMPARE(m_fx.dialogs->withTitle(u"Εξαγωγή στοιχείων"_s).size(), 1);
        // The preview stays on its page, the page picture keeps the keys.
        QCOMPARE(preview->job().CurrentPage(), 2);
        QVERIFY(pict(preview)->hasFocus());
    }

    void theExportMenuWritesEachKindOfFile_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("import file") << 2 << u"data.txt"_s << Cp1253(u"Γραμμή 0"_s);
        QTest::newRow("word") << 3 << u"report.docx"_s << QByteArray("PK\x03\x04");
        QTest::newRow("excel") << 4 << u"report.xlsx"_s << QByteArray("PK\x03\x04");
        QTest::newRow("pdf") << 6 << u"report.pdf"_s << QByteArray("%PDF");
    }
    void theExportMenuWritesEachKindOfFile() {
        QFETCH(int, item);
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        Lbprint* preview = openPreview();
        QVERIFY(exportTool(preview)->isEnabled());
        m_fx.dialogs->popUpChoices = {item, 1};
        m_fx.dialogs->fileNames = {m_folder->file(name)};
        exportTool(preview)->trigger();
        QVERIFY(ReadAll(m_folder->file(name)).startsWith(start));
        QCOMPARE(preview->job().CurrentPage(), 2);
        if (item == 6) {
            QCOMPARE(m_fx.dialogs->numbers(), QList<int>{43});
            QPdfDocument pdf;
            QCOMPARE(pdf.load(m_folder->file(name)), QPdfDocument::Error::None);
            QCOMPARE(pdf.pageCount(), 3);
        } else {
            QCOMPARE(m_fx.dialogs->boxes.last().text, u"Η μεταφορά ολοκληρώθηκε."_s);
        }
    }

private:
    std::unique_ptr<TestDataFolder> m_folder;
    PreviewFixture m_fx;
};

QTEST_MAIN(PreviewExportTest)
#include "PreviewExportTest.moc"
