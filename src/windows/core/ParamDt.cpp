#include "windows/core/ParamDt.h"

#include "logic/core/database/ParamStatements.h"
#include "logic/core/database/SubmissionStatements.h"
#include "logic/core/program/ProgramValues.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/WindowNames.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
struct FieldDefinition {
    const char* name;
    const char* caption;
    int maxLength;
    QString ParamValues::*value;
};

const FieldDefinition Fields[] = {
    {"IkaCode", "Χρήστης ΙΚΑ:", 20, &ParamValues::IkaCode},
    {"IkaPass", "Κωδικός ΙΚΑ:", 20, &ParamValues::IkaPass},
    {"TaxisCode", "Χρήστης ΤAXIS:", 20, &ParamValues::TaxisCode},
    {"TaxisPass", "Κωδικός TAXIS:", 20, &ParamValues::TaxisPass},
    {"Smtp", "Smtp Server:", 40, &ParamValues::SmtpServer},
    {"C", "Email Χρήστη:", 40, &ParamValues::Cemail},
    {"L", "Email Λογιστή:", 40, &ParamValues::Lemail},
    {"Epon", "Επωνυμία:", 40, &ParamValues::Cepon},
};
} // namespace

ParamDt::ParamDt(QWidget* parent) : ChildWindow(parent) {
    setObjectName(WindowName::ParamDt);
    setWindowTitle(QStringLiteral("Παράμετροι Σύνδεσης"));
    auto* grid = new QGridLayout(this);
    QList<QWidget*> order;
    for (int i = 0; i < 8; ++i) {
        auto* label = new QLabel(QString::fromUtf8(Fields[i].caption), this);
        label->setObjectName(QStringLiteral("Lbl_%1").arg(i));
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(Fields[i].name));
        field->setMaxLength(Fields[i].maxLength);
        label->setBuddy(field);
        grid->addWidget(label, i, 0);
        grid->addWidget(field, i, 1);
        m_fields[i] = field;
        order << field;
    }
    // The account of the web-services API differs from the e-services login; it is kept in
    // a table of its own.
    const ApiAccount account = SelectApiAccount();
    const QStringList apiCaptions{QStringLiteral("Χρήστης API:"), QStringLiteral("Κωδικός API:")};
    const QStringList apiNames{QStringLiteral("ApiUser"), QStringLiteral("ApiPass")};
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(apiCaptions.at(i), this);
        label->setObjectName(QStringLiteral("Lbl_%1").arg(8 + i));
        auto* field = new QLineEdit(this);
        field->setObjectName(apiNames.at(i));
        field->setMaxLength(60);
        label->setBuddy(field);
        grid->addWidget(label, 8 + i, 0);
        grid->addWidget(field, 8 + i, 1);
        m_api[i] = field;
        order << field;
    }
    m_api[0]->setText(account.user);
    m_api[1]->setText(account.password);
    m_api[1]->setEchoMode(QLineEdit::Password);
    m_saveBut = new QPushButton(QStringLiteral("Αποδοχή"), this);
    m_saveBut->setObjectName(QStringLiteral("SaveBut"));
    m_saveBut->setToolTip(QStringLiteral("Εισαγωγή (καταχώριση νέου υποκαταστήματος) ή Μεταβολή (καταχώριση "
                                         "υπάρχοντος υποκαταστήματος)"));
    m_exitBut = new QPushButton(QStringLiteral("Εξοδος"), this);
    m_exitBut->setObjectName(QStringLiteral("ExitBut"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_saveBut);
    buttons->addWidget(m_exitBut);
    grid->addLayout(buttons, 10, 0, 1, 2);
    grid->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 42);
    connect(m_saveBut, &QPushButton::clicked, this, &ParamDt::save);
    connect(m_exitBut, &QPushButton::clicked, this, &ParamDt::closeWindow);

    placeAtTwips(50, 50);
    SetInputOrder(order);
    new FormKeys(this, m_exitBut, m_saveBut);
    ColourForm(this);
    for (int i = 0; i < 8; ++i)
        m_fields[i]->setText(Program.Params.*Fields[i].value);
}

void ParamDt::save() {
    ParamValues values;
    for (int i = 0; i < 8; ++i)
        values.*Fields[i].value = m_fields[i]->text().trimmed();
    // Stored with bound values, so that a quote inside a value is kept as typed. A failure
    // keeps the window open with everything the user typed.
    if (const DbStatus status = UpdateParam(values); !status.ok()) {
        ShowDatabaseError(status);
        return;
    }
    if (const DbStatus status = UpdateApiAccount({m_api[0]->text().trimmed(), m_api[1]->text()});
        !status.ok()) {
        ShowDatabaseError(status);
        return;
    }
    // With no Param row nothing is stored, but the values serve for the rest of the run.
    Program.Params = values;
    closeWindow();
}
