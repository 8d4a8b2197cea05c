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

QTEST_GUILESS_MAIN(ManualBookTest)
#include "ManualBookTest.moc"
