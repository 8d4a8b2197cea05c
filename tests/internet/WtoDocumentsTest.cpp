#include "logic/internet/WtoDocuments.h"
#include "ApiTestData.h"
#include "logic/core/text/FieldRules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace Qt::StringLiterals;

// Entries sorted into the API's documents: the bytes of the calls, one document per branch,
// and every entry that stays out with its reason.
class WtoDocumentsTest : public QObject {
    Q_OBJECT
private slots:
    void validAfmsOfTheTestsPassTheCheck() {
        for (int stem : {1, 12345678, 99999999})
            QVERIFY(!AfmNeedsWarning(ValidAfm(stem)));
    }

    void oneEntryIsOneCallOfOneDocument() {
        const SubmissionPlan plan = PlanSubmission({MakeEntry(
            ValidAfm(10000001), u"20240312"_s, u"8:00-16:00"_s, u"ΠΑΠΑΔΟΠΟΥΛΟΣ ΓΙΩΡΓΟΣ"_s, u"001"_s)});
        QCOMPARE(plan.documents.size(), 1);
        QVERIFY(plan.unsendable.isEmpty());
        QVERIFY(MatchesGolden(u"one_entry.json"_s, plan.documents.first().requestBody()));
    }

    // Two branches, a day of two intervals, one past midnight and a rest day, in one plan:
    // the calls in branch order, each document's days by AFM and date.
    void twoBranchesMakeTwoCalls() {
        const QString a = ValidAfm(20000002);
        const QString b = ValidAfm(10000001);
        const SubmissionPlan plan = PlanSubmission({
            MakeEntry(a, u"20240305"_s, u"08:00-12:00 και 18:00-22:00"_s, u"ΒΗΤΑ ΜΑΡΙΑ"_s, u"12 Πειραιά"_s),
            MakeEntry(b, u"20240306"_s, u"22:00-06:00"_s, u"ΑΛΦΑ ΝΙΚΟΣ ΠΕΤΡΟΣ"_s, u"0"_s),
            MakeEntry(b, u"20240305"_s, u"ρεπό"_s, u"ΑΛΦΑ ΝΙΚΟΣ ΠΕΤΡΟΣ"_s, u"0"_s),
            MakeEntry(a, u"20240301"_s, u"9:00-17:00"_s, u"ΒΗΤΑ ΜΑΡΙΑ"_s, u"12 Πειραιά"_s),
        });
        QCOMPARE(plan.documents.size(), 2);
        QCOMPARE(plan.documents.at(0).branch, 0);
        QCOMPARE(plan.documents.at(1).branch, 12);
        QCOMPARE(plan.documents.at(1).fromDate(), u"01/03/2024"_s);
        QCOMPARE(plan.documents.at(1).toDate(), u"05/03/2024"_s);
        QCOMPARE(plan.dayCount(), 4);
        QVERIFY(MatchesGolden(u"two_branches.json"_s, PlannedCallsJson(plan)));

        // Each element of the dry run is exactly the body of its call.
        const QJsonArray calls = QJsonDocument::fromJson(PlannedCallsJson(plan)).array();
        QCOMPARE(calls.size(), 2);
        QCOMPARE(QJsonDocument(calls.at(1).toObject()).toJson(QJsonDocument::Compact),
                 plan.documents.at(1).requestBody());
    }

    void entriesThatCannotGoAreListedWithTheirReason_data() {
        QTest::addColumn<QString>("afm");
        QTest::addColumn<QString>("kdate");
        QTest::addColumn<QString>("korario");
        QTest::addColumn<QString>("eepon");
        QTest::addColumn<QString>("eypo");
        QTest::addColumn<bool>("hasEmployee");
        QTest::addColumn<QString>("reasonPart");
        const QString good = ValidAfm(30000003);
        QTest::newRow("hours") << good << u"20240301"_s << u"πρωί"_s << u"ΓΑΜΜΑ ΕΛΕΝΗ"_s << u"0"_s << true
                               << u"«πρωί»"_s;
        QTest::newRow("no first name")
            << good << u"20240301"_s << u"08:00-12:00"_s << u"ΓΑΜΜΑ"_s << u"0"_s << true << u"«ΓΑΜΜΑ»"_s;
        QTest::newRow("check digit") << u"123456789"_s << u"20240301"_s << u"08:00-12:00"_s
                                     << u"ΓΑΜΜΑ ΕΛΕΝΗ"_s << u"0"_s << true << u"«123456789»"_s;
        QTest::newRow("eight digits") << u"12345678"_s << u"20240301"_s << u"08:00-12:00"_s
                                      << u"ΓΑΜΜΑ ΕΛΕΝΗ"_s << u"0"_s << true << u"«12345678»"_s;
        QTest::newRow("branch with decimals") << good << u"20240301"_s << u"08:00-12:00"_s << u"ΓΑΜΜΑ ΕΛΕΝΗ"_s
                                              << u"1.5"_s << true << u"«1.5»"_s;
        QTest::newRow("no such day") << good << u"20240230"_s << u"08:00-12:00"_s << u"ΓΑΜΜΑ ΕΛΕΝΗ"_s
                                     << u"0"_s << true << u"«20240230»"_s;
        QTest::newRow("no employee") << good << u"20240301"_s << u"08:00-12:00"_s << QString() << QString()
                                     << false << good;
    }
    void entriesThatCannotGoAreListedWithTheirReason() {
        QFETCH(QString, afm);
        QFETCH(QString, kdate);
        QFETCH(QString, korario);
        QFETCH(QString, eepon);
        QFETCH(QString, eypo);
        QFETCH(bool, hasEmployee);
        QFETCH(QString, reasonPart);
        ApiEntry refused = MakeEntry(afm, kdate, korario, eepon, eypo);
        refused.hasEmployee = hasEmployee;
        const ApiEntry fine = MakeEntry(ValidAfm(40000004), u"20240301"_s, u"08:00-12:00"_s);
        const SubmissionPlan plan = PlanSubmission({refused, fine});
        QCOMPARE(plan.dayCount(), 1);
        QCOMPARE(plan.documents.first().days.first().entry.Eafm, fine.Eafm);
        QCOMPARE(plan.unsendable.size(), 1);
        QCOMPARE(plan.unsendable.first().entry.Kdate, kdate);
        QVERIFY2(plan.unsendable.first().reason.contains(reasonPart),
                 qPrintable(plan.unsendable.first().reason));
    }

    void namesSplitAtTheFirstBlank() {
        QCOMPARE(SplitName(u"  ΝΙΚΟΛΑΟΥ ΑΝΝΑ ΜΑΡΙΑ "_s), std::make_pair(u"ΝΙΚΟΛΑΟΥ"_s, u"ΑΝΝΑ ΜΑΡΙΑ"_s));
        QCOMPARE(SplitName(u"ΝΙΚΟΛΑΟΥ   ΑΝΝΑ"_s), std::make_pair(u"ΝΙΚΟΛΑΟΥ"_s, u"ΑΝΝΑ"_s));
        QVERIFY(!SplitName(u"ΝΙΚΟΛΑΟΥ "_s));
        QVERIFY(!SplitName(QString()));
    }

    void branchesReadAsThePageReadsThem() {
        QCOMPARE(BranchNumber(u"001"_s), 1);
        QCOMPARE(BranchNumber(u"12 Πειραιά"_s), 12);
        QCOMPARE(BranchNumber(u"Κεντρικό"_s), 0);
        QCOMPARE(BranchNumber(QString()), 0);
        QVERIFY(!BranchNumber(u"-3"_s));
    }

    // A month of 50 employees on one branch is one document holding every day.
    void aMonthOfFiftyEmployeesIsOneDocumentPerBranch() {
        QList<ApiEntry> entries;
        for (int e = 0; e < 50; ++e)
            for (int day = 1; day <= 31; ++day)
                entries << MakeEntry(ValidAfm(50000000 + e), u"202403%1"_s.arg(day, 2, 10, QLatin1Char('0')),
                                     u"09:00-17:00"_s, u"ΕΡΓΑΖΟΜΕΝΟΣ %1"_s.arg(e), e % 2 ? u"1"_s : u"2"_s);
        const SubmissionPlan plan = PlanSubmission(entries);
        QCOMPARE(plan.documents.size(), 2);
        QCOMPARE(plan.dayCount(), 50 * 31);
        const QJsonObject company = QJsonDocument::fromJson(plan.documents.first().requestBody())
                                        .object()[u"WTOS"_s][u"WTO"_s][0]
                                        .toObject();
        QCOMPARE(company[u"Ergazomenoi"_s][u"ErgazomenoiWTO"_s].toArray().size(), 25 * 31);
        QCOMPARE(company[u"f_from_date"_s].toString(), u"01/03/2024"_s);
        QCOMPARE(company[u"f_to_date"_s].toString(), u"31/03/2024"_s);
    }
};

QTEST_GUILESS_MAIN(WtoDocumentsTest)
#include "WtoDocumentsTest.moc"
