#include "logic/core/text/FieldRules.h"
#include "ScriptedDialogs.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/WaitSeconds.h"
#include "windows/core/FormHelpers.h"

#include <QLineEdit>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class FieldRulesTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        ResetProgramValues();
        m_dialogs = &InstallScriptedDialogs();
    }

    void afmRule_data() {
        QTest::addColumn<QString>("afm");
        QTest::addColumn<bool>("warns");
        QTest::newRow("valid") << u"090000045"_s << false;
        QTest::newRow("valid with blanks") << u" 090000045  "_s << false;
        QTest::newRow("remainder 10 counts as 0") << u"000000050"_s << false;
        QTest::newRow("remainder 10 with check 1") << u"000000051"_s << true;
        QTest::newRow("wrong check digit") << u"090000046"_s << true;
        QTest::newRow("eight digits") << u"09000004"_s << true;
        QTest::newRow("ten digits") << u"0900000450"_s << true;
        QTest::newRow("letter in position 9") << u"12345678A"_s << true;
        QTest::newRow("Greek digit lookalike") << u"Ο90000045"_s << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("blanks only") << u"   "_s << false;
    }
    void afmRule() {
        QFETCH(QString, afm);
        QFETCH(bool, warns);
        QCOMPARE(AfmNeedsWarning(afm), warns);
    }

    void checkAfmTrimsTheBoxAndWarnsOnce() {
        QLineEdit box;
        box.setText(u"  12345678A "_s);
        QVERIFY(CheckAfm(&box));
        QCOMPARE(box.text(), u"12345678A"_s);
        QCOMPARE(m_dialogs->boxes.size(), 1);
        const MessageBox& shown = m_dialogs->boxes.first();
        QCOMPARE(shown.title, u"ΠΡΟΣΟΧΗ"_s);
        QCOMPARE(shown.text, u"Λανθασμένο ΑΦΜ"_s);
        QCOMPARE(shown.icon, MsgIcon::Information);
        QCOMPARE(shown.buttons, MsgButtons::Ok);

        box.setText(u" 090000045 "_s);
        QVERIFY(!CheckAfm(&box));
        QCOMPARE(box.text(), u"090000045"_s);
        QCOMPARE(m_dialogs->boxes.size(), 1);
    }

    void dateBoxIsCompletedOrCleared() {
        Program.WorkDate = QDate(2009, 3, 17);
        QLineEdit box;
        box.setText(u" 05 "_s);
        QVERIFY(CompleteDateField(&box));
        QCOMPARE(box.text(), u"05/03/2009"_s);
        box.setText(u"3102"_s);
        QVERIFY(!CompleteDateField(&box));
        QCOMPARE(box.text(), QString());
    }

    void rangeOfTaxNumbers() {
        QString from = u"200"_s, to, mask;
        PrepareRange(from, to, mask, 9);
        QCOMPARE(from, u"200      "_s);
        QCOMPARE(to, QString(9, QChar(0xFF)));
        QCOMPARE(mask, u"*********"_s);

        // Reversed bounds are exchanged before padding: 500..200 takes every key from 200 on
        // up to the last key beginning with 500.
        from = u" 500 "_s, to = u"200"_s, mask = u"12*"_s;
        PrepareRange(from, to, mask, 9);
        QCOMPARE(from, u"200      "_s);
        QCOMPARE(to, u"500"_s + QString(6, QChar(0xFF)));
        QCOMPARE(mask, u"12%"_s);

        // An all-"*" mask stays; stars short of the width become wildcards.
        mask = u"**************"_s;
        PrepareRange(from, to, mask, 14);
        QCOMPARE(mask, u"**************"_s);
        mask = u"***"_s;
        PrepareRange(from, to, mask, 14);
        QCOMPARE(mask, u"%%%"_s);
    }

    void numberFormatting_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("thousands");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("result");
        QTest::newRow("point becomes comma") << u"1234.5"_s << 2 << false << 12 << u"1234,50"_s;
        QTest::newRow("Greek written") << u"1.234,5"_s << 2 << false << 12 << u"1234,50"_s;
        QTest::newRow("rounded") << u"1234,567"_s << 2 << false << 12 << u"1234,57"_s;
        QTest::newRow("no binary rounding error") << u"1.005"_s << 2 << false << 12 << u"1,01"_s;
        QTest::newRow("thousands") << u"1234567.5"_s << 2 << true << 14 << u"1.234.567,50"_s;
        QTest::newRow("whole with thousands") << u"1234567"_s << 0 << true << 10 << u"1.234.567"_s;
        QTest::newRow("half away from zero") << u"2,5"_s << 0 << false << 5 << u"3"_s;
        QTest::newRow("negative half") << u"-2,5"_s << 0 << false << 5 << u"-3"_s;
        QTest::newRow("negative") << u"-12,345"_s << 1 << false << 10 << u"-12,3"_s;
        QTest::newRow("three decimals") << u"0.0005"_s << 3 << false << 10 << u"0,001"_s;
        QTest::newRow("four decimals") << u"1,23456"_s << 4 << false << 16 << u"1,2346"_s;
        QTest::newRow("not a number") << u"12a"_s << 2 << false << 12 << u"0,00"_s;
        QTest::newRow("empty") << QString() << 0 << false << 5 << u"0"_s;
        QTest::newRow("blanks") << u"   "_s << 2 << false << 12 << u"0,00"_s;
        QTest::newRow("cut to nine characters")
            << u"1234567891234"_s << 2 << false << 20 << u"123456789,00"_s;
        QTest::newRow("whole numbers are not cut")
            << u"1234567891234"_s << 0 << false << 20 << u"1234567891234"_s;
        QTest::newRow("box shorter than the number") << u"1234.5"_s << 2 << false << 5 << u"34,50"_s;
        QTest::newRow("other decimals only trim") << u" 12.3 "_s << 5 << false << 10 << u"12.3"_s;
        QTest::newRow("other decimals, empty") << u""_s << 7 << false << 10 << u"0"_s;
    }
    void numberFormatting() {
        QFETCH(QString, text);
        QFETCH(int, decimals);
        QFETCH(bool, thousands);
        QFETCH(int, maxLength);
        QFETCH(QString, result);
        QCOMPARE(FormatNumberText(text, decimals, thousands, maxLength), result);
    }

    void formatNumberFieldUsesTheBoxMaximumLength() {
        QLineEdit box;
        box.setMaxLength(12);
        box.setText(u"1234.5"_s);
        FormatNumberField(&box, 2, false);
        QCOMPARE(box.text(), u"1234,50"_s);
        // A box without a set length shows the whole number.
        QLineEdit wide;
        wide.setText(u"98765432"_s);
        FormatNumberField(&wide, 1, true);
        QCOMPARE(wide.text(), u"98.765.432,0"_s);
    }

    void greekNumbers() {
        bool ok = false;
        QCOMPARE(ParseGreekNumber(u" -1.234,25 "_s, &ok), -1234.25);
        QVERIFY(ok);
        QCOMPARE(ParseGreekNumber(u",5"_s, &ok), 0.5);
        QVERIFY(ok);
        for (const QString& text : {u""_s, u","_s, u"1,2,3"_s, u"1e3"_s, u"--1"_s, u"1,2.3"_s}) {
            ParseGreekNumber(text, &ok);
            QVERIFY2(!ok, qPrintable(text));
        }
    }

    void waitProcessesPendingEvents() {
        bool queued = false;
        QMetaObject::invokeMethod(
            this, [&queued] { queued = true; }, Qt::QueuedConnection);
        WaitSeconds(0);
        QVERIFY(queued);

        // A timer that falls due during the wait runs before the wait returns.
        bool timed = false;
        QTimer::singleShot(20, this, [&timed] { timed = true; });
        WaitSeconds(1);
        QVERIFY(timed);
    }

private:
    ScriptedDialogs* m_dialogs = nullptr;
};

QTEST_MAIN(FieldRulesTest)
#include "FieldRulesTest.moc"
