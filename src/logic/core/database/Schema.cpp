#include "logic/core/database/Schema.h"

using namespace Qt::StringLiterals;

// Every column is text and never null. The name index follows the Greek order of the lists,
// names of one spelling by AFM; the date index serves the month's entries in date order, the
// month index those in AFM order.
QStringList SchemaStatements(DbEngine engine) {
    if (engine == DbEngine::Sqlite) {
        return QStringList{
                   u"Create Table Ergaz (Eafm Varchar(14) Not Null Default '' Collate RTRIM Primary Key,"
                   " Eepon Varchar(30) Not Null Default '', Eypo Varchar(4) Not Null Default '')"_s,
                   u"Create Index ErgazEeponGreek On Ergaz (Eepon Collate GREEK, Eafm)"_s,
                   u"Create Table Kins (Eafm Varchar(14) Not Null Default '' Collate RTRIM,"
                   " Kdate Varchar(8) Not Null Default '', Korario Varchar(150) Not Null Default '',"
                   " Kparat Varchar(150) Not Null Default '', Primary Key (Eafm, Kdate))"_s,
                   u"Create Index KinsKdate On Kins (Kdate, Eafm)"_s,
                   MonthEntryIndexStatement(),
                   u"Create Table Param (IkaCode Varchar(20) Not Null Default '', IkaPass Varchar(20) Not "
                   u"Null Default '',"
                   " TaxisCode Varchar(20) Not Null Default '', TaxisPass Varchar(20) Not Null Default '',"
                   " SmtpServer Varchar(40) Not Null Default '', Cemail Varchar(40) Not Null Default '',"
                   " Lemail Varchar(40) Not Null Default '', Cepon Varchar(40) Not Null Default '',"
                   " NewsDat Varchar(20) Not Null Default '')"_s,
                   u"Insert Into Param Default Values"_s,
                   u"Create Table Company (Ccode Varchar(10) Not Null Default '' Primary Key,"
                   " Cemail Varchar(40) Not Null Default '')"_s,
               } +
               SubmissionTableStatements();
    }
    return QStringList{
               u"Create Table Ergaz (Eafm Varchar(14) Collate \"C\" Not Null Default '' Primary Key,"
               " Eepon Varchar(30) Collate \"el-GR-x-icu\" Not Null Default '', Eypo Varchar(4) Not Null Default '')"_s,
               u"Create Index ErgazEeponGreek On Ergaz (Eepon Collate \"el-GR-x-icu\", Eafm)"_s,
               u"Create Table Kins (Eafm Varchar(14) Collate \"C\" Not Null Default '',"
               " Kdate Varchar(8) Collate \"C\" Not Null Default '', Korario Varchar(150) Not Null Default "
               "'',"
               " Kparat Varchar(150) Not Null Default '', Primary Key (Eafm, Kdate))"_s,
               u"Create Index KinsKdate On Kins (Kdate, Eafm)"_s,
               MonthEntryIndexStatement(),
               u"Create Table Param (IkaCode Varchar(20) Not Null Default '', IkaPass Varchar(20) Not Null "
               u"Default '',"
               " TaxisCode Varchar(20) Not Null Default '', TaxisPass Varchar(20) Not Null Default '',"
               " SmtpServer Varchar(40) Not Null Default '', Cemail Varchar(40) Not Null Default '',"
               " Lemail Varchar(40) Not Null Default '', Cepon Varchar(40) Not Null Default '',"
               " NewsDat Varchar(20) Not Null Default '')"_s,
               u"Insert Into Param Default Values"_s,
               u"Create Table Company (Ccode Varchar(10) Collate \"C\" Not Null Default '' Primary Key,"
               " Cemail Varchar(40) Not Null Default '')"_s,
           } +
           SubmissionTableStatements();
}

// Both engines take it as it is.
QString MonthEntryIndexStatement() {
    return u"Create Index If Not Exists KinsMonth On Kins ((substr(Kdate,1,6)), Eafm, Kdate)"_s;
}

// Both engines take them as they are; a database made before them gets them when it is opened.
QStringList SubmissionTableStatements() {
    return {
        u"Create Table If Not Exists Submissions (Eafm Varchar(14) Not Null Default '',"
        " Kdate Varchar(8) Not Null Default '', Sway Varchar(4) Not Null Default '',"
        " Sstate Varchar(10) Not Null Default '', Sprotocol Varchar(40) Not Null Default '',"
        " Ssubmit Varchar(20) Not Null Default '', Sdocid Varchar(40) Not Null Default '',"
        " Shours Varchar(200) Not Null Default '', Ssent Varchar(23) Not Null Default '',"
        " Sproof Varchar(260) Not Null Default '')"_s,
        u"Create Index If Not Exists SubmissionsEntry On Submissions (Eafm, Kdate, Ssent)"_s,
        u"Create Index If Not Exists SubmissionsSent On Submissions (Ssent)"_s,
        u"Create Table If Not Exists ApiLogin (Auser Varchar(60) Not Null Default '',"
        " Apass Varchar(60) Not Null Default '')"_s,
    };
}

const QStringList& ProgramTables() {
    static const QStringList tables = {u"Ergaz"_s,   u"Kins"_s,        u"Param"_s,
                                       u"Company"_s, u"Submissions"_s, u"ApiLogin"_s};
    return tables;
}
