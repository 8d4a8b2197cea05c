#include "tools/BlankForm.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The descriptions of the blank forms and their drawing on a page.
class BlankFormDrawingTest : public QObject {
    Q_OBJECT
private slots:
    void readsEveryKindOfBlock();
    void anUnknownKeywordNamesItsLine();
    void aFillingTableReachesTheFootOfThePage();
    void aFormTooLongForItsPageIsReported();

private:
    static int lowestInk(const QImage& page) {
        for (int y = page.height() - 1; y >= 0; --y) {
            const uchar* line = page.constScanLine(y);
            for (int x = 0; x < page.width(); ++x) {
                if (line[x] < 128)
                    return y;
            }
        }
        return -1;
    }
};

void BlankFormDrawingTest::readsEveryKindOfBlock() {
    QString error;
    const BlankFormDescription form = ParseBlankForm(u"# a comment\n"
                                                     "title: Αναγγελία Πρόσληψης\n"
                                                     "landscape\n"
                                                     "authority: ΕΛΛΗΝΙΚΗ ΔΗΜΟΚΡΑΤΙΑ\n"
                                                     "corner: Αριθμός Πρωτοκόλλου | Ημερομηνία\n"
                                                     "section: Α. ΣΤΟΙΧΕΙΑ\n"
                                                     "fields: Επωνυμία*4 | Α.Φ.Μ.#9 | Πόλη\n"
                                                     "table: Α/Α*0.6 | Επώνυμο*2\n"
                                                     "rows: fill\n"
                                                     "lines: 3 Παρατηρήσεις:\n"
                                                     "gap: 4\n"
                                                     "signatures: Ο ΕΡΓΟΔΟΤΗΣ | Ο ΥΠΑΛΛΗΛΟΣ\n"_s,
                                                     &error);
    QVERIFY(error.isEmpty());
    QVERIFY(form.landscape);
    QCOMPARE(form.title, QStringList{u"Αναγγελία Πρόσληψης"_s});
    QCOMPARE(form.corner, (QStringList{u"Αριθμός Πρωτοκόλλου"_s, u"Ημερομηνία"_s}));
    QCOMPARE(form.blocks.size(), 6);
    const FormBlock& fields = form.blocks[1];
    QCOMPARE(fields.kind, FormBlock::Fields);
    QCOMPARE(fields.cells.size(), 3);
    QCOMPARE(fields.cells[0].label, u"Επωνυμία"_s);
    QCOMPARE(fields.cells[0].weight, 4.0);
    QCOMPARE(fields.cells[1].label, u"Α.Φ.Μ."_s);
    QCOMPARE(fields.cells[1].digits, 9);
    QCOMPARE(fields.cells[2].weight, 1.0);
    QVERIFY(form.blocks[2].fill);
    QCOMPARE(form.blocks[3].count, 3);
    QCOMPARE(form.blocks[3].text, u"Παρατηρήσεις:"_s);
    QCOMPARE(form.blocks[4].millimetres, 4.0);
    QCOMPARE(form.blocks[5].cells.size(), 2);
}

void BlankFormDrawingTest::anUnknownKeywordNamesItsLine() {
    QString error;
    ParseBlankForm(u"title: Α\nsection: Β\nbox: Γ\n"_s, &error);
    QCOMPARE(error, u"line 3: box: Γ"_s);
}

void BlankFormDrawingTest::aFillingTableReachesTheFootOfThePage() {
    const BlankFormDescription form =
        ParseBlankForm(u"title: Πίνακας\nsection: Α\ntable: Α/Α | Όνομα*4\nrows: fill\n"_s);
    bool fits = false;
    const QImage page = DrawBlankForm(form, 100, &fits);
    QVERIFY(fits);
    QCOMPARE(page.size(), FormPageSize(false, 100));
    QCOMPARE(page.format(), QImage::Format_Grayscale8);
    // The table ends within a few rows' height of the bottom margin (12 mm at 100 dpi: 47 px).
    const int foot = lowestInk(page);
    QVERIFY2(foot > page.height() - 47 - 40 && foot < page.height() - 40, qPrintable(QString::number(foot)));
}

void BlankFormDrawingTest::aFormTooLongForItsPageIsReported() {
    QString text = u"title: Μακρύ\n"_s;
    for (int i = 0; i < 60; ++i)
        text +=
            u"text: Ένα μακρύ κείμενο που δεν χωράει σε μία σελίδα όταν επαναλαμβάνεται πολλές φορές.\n"_s;
    bool fits = true;
    DrawBlankForm(ParseBlankForm(text), 100, &fits);
    QVERIFY(!fits);
    // A long form of boxes is made lower instead.
    QString boxes = u"title: Πολλά πεδία\n"_s;
    for (int i = 0; i < 26; ++i)
        boxes += u"fields: Α | Β | Γ\n"_s;
    DrawBlankForm(ParseBlankForm(boxes), 100, &fits);
    QVERIFY(fits);
}

QTEST_MAIN(BlankFormDrawingTest)
#include "BlankFormDrawingTest.moc"
