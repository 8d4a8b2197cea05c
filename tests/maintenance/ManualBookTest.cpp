#include <QDir>
#include <QFile>
#include <QPdfDocument>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

// The user manual as the build made it: a page for each chapter, opened by its title.
class ManualBookTest : public QObject {
    Q_OBJECT
private slots:
    void everyChapterHasItsPagesAndItsTitle();
    void noSectionHeadingIsLeftAtThePageFoot();
};

void ManualBookTest::everyChapterHasItsPagesAndItsTitle() {
    const QDir chapters(QStringLiteral(ORVA_MANUAL_SOURCE));
    QStringList titles;
    const QStringList files = chapters.entryList({u"*.md"_s}, QDir::Files, QDir::Name);
    for (const QString& name : files.mid(1)) {
        QFile file(chapters.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QRegularExpressionMatch title =
            QRegularExpression(u"^# (.+)$"_s, QRegularExpression::MultilineOption)
                .match(QString::fromUtf8(file.readAll()));
        QVERIFY2(title.hasMatch(), qPrintable(name));
        titles << title.captured(1).trimmed();
    }
    QVERIFY(titles.size() >= 15);

    QPdfDocument manual;
    QCOMPARE(manual.load(QStringLiteral(ORVA_MANUAL_PDF)), QPdfDocument::Error::None);
    // The title page, the contents and at least a page for each chapter.
    QVERIFY2(manual.pageCount() >= titles.size() + 2, qPrintable(QString::number(manual.pageCount())));
    QStringList pageTexts;
    for (int page = 0; page < manual.pageCount(); ++page)
        pageTexts << manual.getAllText(page).text().simplified();
    QVERIFY(pageTexts[0].contains(u"Εγχειρίδιο Χρήσης"_s));
    int previous = 1;
    for (const QString& title : titles) {
        QVERIFY2(pageTexts[1].contains(title), qPrintable(title)); // in the contents
        // The chapter opens a page of its own, after the chapter before it.
        int opening = -1;
        for (int page = previous + 1; page < pageTexts.size() && opening < 0; ++page) {
            if (pageTexts[page].startsWith(title))
                opening = page;
        }
        QVERIFY2(opening > previous, qPrintable(title));
        QVERIFY2(pageTexts[1].contains(u"%1 %2"_s.arg(title).arg(opening + 1)) ||
                     pageTexts[1].contains(u"%1\t%2"_s.arg(title).arg(opening + 1)),
                 qPrintable(title));
        previous = opening;
    }
}

// A heading stands over its text: the last words of a page's text (before the foot) are
// never a section heading.
void ManualBookTest::noSectionHeadingIsLeftAtThePageFoot() {
    const QDir chapters(QStringLiteral(ORVA_MANUAL_SOURCE));
    QStringList headings;
    for (const QString& name : chapters.entryList({u"*.md"_s}, QDir::Files, QDir::Name)) {
        QFile file(chapters.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QRegularExpression heading(u"^###? (.+)$"_s, QRegularExpression::MultilineOption);
        for (const QRegularExpressionMatch& match : heading.globalMatch(QString::fromUtf8(file.readAll())))
            headings << match.captured(1).remove(u'*').remove(u'`').simplified();
    }
    QVERIFY(headings.size() > 20);

    QPdfDocument manual;
    QCOMPARE(manual.load(QStringLiteral(ORVA_MANUAL_PDF)), QPdfDocument::Error::None);
    const QString foot = u"Orva — Εγχειρίδιο Χρήσης Σελίδα %1"_s;
    int checked = 0;
    for (int page = 1; page < manual.pageCount(); ++page) {
        QString text = manual.getAllText(page).text().simplified();
        const QString pageFoot = foot.arg(page + 1);
        QVERIFY2(text.endsWith(pageFoot), qPrintable(text.right(80)));
        text.chop(pageFoot.size());
        text = text.trimmed();
        for (const QString& heading : headings) {
            QVERIFY2(!text.endsWith(heading), qPrintable(u"page %1: %2"_s.arg(page + 1).arg(heading)));
        }
        ++checked;
    }
    QVERIFY(checked > 10);
}

QTEST_GUILESS_MAIN(ManualBookTest)
#include "ManualBookTest.moc"
