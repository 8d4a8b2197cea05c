#include "logic/core/program/LateLibrary.h"
#include "logic/core/database/LibPq.h"

#include <QTest>

using namespace Qt::StringLiterals;

// The libraries opened on first use: what a missing library or function tells the user, and
// libpq's functions working once opened.
class LateLibraryTest : public QObject {
    Q_OBJECT
private slots:
    void aMissingLibraryIsToldByName() {
        LateLibrary library("liborva-absent.so.1");
        int (*function)() = nullptr;
        library.bind(function, "anything");
        QVERIFY(!library.isLoaded());
        QVERIFY(!function);
        QVERIFY2(library.failure().startsWith(u"Η βιβλιοθήκη liborva-absent.so.1 δεν φορτώθηκε: "_s),
                 qPrintable(library.failure()));
    }

    void aLibraryWithoutAFunctionIsNotTakenForLoaded() {
        LateLibrary library("libpq.so.5");
        int (*version)() = nullptr;
        int (*absent)() = nullptr;
        library.bind(version, "PQlibVersion");
        library.bind(absent, "PQnoSuchFunction");
        QVERIFY(version);
        QVERIFY(!absent);
        QVERIFY(!library.isLoaded());
        QCOMPARE(library.failure(), u"Η βιβλιοθήκη libpq.so.5 δεν έχει τη συνάρτηση PQnoSuchFunction."_s);
    }

    void libpqReadsAConnectionSettingOnceOpened() {
        QString failure;
        const LibPqFunctions* pq = LibPq(&failure);
        QVERIFY2(pq, qPrintable(failure));
        QVERIFY(failure.isEmpty());
        char* message = nullptr;
        PQconninfoOption* options = pq->PQconninfoParse("postgresql://orva@127.0.0.1:5433/office", &message);
        QVERIFY(options);
        QMap<QString, QString> values;
        for (const PQconninfoOption* option = options; option->keyword; ++option) {
            if (option->val)
                values.insert(QString::fromLatin1(option->keyword), QString::fromUtf8(option->val));
        }
        pq->PQconninfoFree(options);
        QCOMPARE(values.value(u"host"_s), u"127.0.0.1"_s);
        QCOMPARE(values.value(u"port"_s), u"5433"_s);
        QCOMPARE(values.value(u"dbname"_s), u"office"_s);
        QCOMPARE(values.value(u"user"_s), u"orva"_s);
    }
};

QTEST_GUILESS_MAIN(LateLibraryTest)
#include "LateLibraryTest.moc"
