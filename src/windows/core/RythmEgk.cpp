#include "windows/core/RythmEgk.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/WindowNames.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString Title = QStringLiteral("Ρυθμίσεις Εγκατάστασης");

// The sections as the user knows them, with the file's own name beside.
QString SectionCaption(const QString& section) {
    static const QHash<QString, QString> captions = {
        {QStringLiteral("Mail"), QStringLiteral("Αλληλογραφία")},
        {QStringLiteral("Internet"), QStringLiteral("e-Υπηρεσίες Υπουργείου")},
        {QStringLiteral("Update"), QStringLiteral("Ενημέρωση προγράμματος")},
        {QStringLiteral("Support"), QStringLiteral("Απομακρυσμένη υποστήριξη")},
        {QStringLiteral("Portals"), QStringLiteral("Πύλες λογαριασμών")},
        {QStringLiteral("Links"), QStringLiteral("Χρήσιμα Links")},
        {QStringLiteral("News"), QStringLiteral("Ειδήσεις της Tavrinex")},
        {QStringLiteral("Api"), QStringLiteral("Υποβολή μέσω API")},
        {QStringLiteral("Database"), QStringLiteral("Βάση δεδομένων γραφείου")},
    };
    const QString caption = captions.value(section);
    return caption.isEmpty() ? section : QStringLiteral("%1 [%2]").arg(caption, section);
}

QString DefaultText(const SettingDefinition& setting) {
    if (setting.defaultValue.isEmpty())
        return QStringLiteral("Προεπιλογή: κενό.");
    if (setting.form.secret)
        return QStringLiteral("Έχει προεπιλογή.");
    return QStringLiteral("Προεπιλογή: %1").arg(setting.defaultValue);
}

} // namespace

RythmEgk::RythmEgk(QWidget* parent)
    : QDialog(parent), m_path(AppFile(QStringLiteral("Orva.ini"))), m_editor(m_path) {
    setObjectName(WindowName::RythmEgk);
    setWindowTitle(Title);
    QString readError;
    const bool readable = m_editor.load(&readError);

    auto* where = new QLabel(QStringLiteral("Οι ρυθμίσεις της εγκατάστασης φυλάγονται στο αρχείο «%1». Μια "
                                            "αλλαγή ισχύει μόλις πατήσετε «Αποθήκευση».")
                                 .arg(QDir::toNativeSeparators(m_path)),
                             this);
    where->setObjectName(QStringLiteral("Lbl_0"));
    where->setWordWrap(true);

    m_sections = new QListWidget(this);
    m_sections->setObjectName(QStringLiteral("Sections"));
    m_pages = new QStackedWidget(this);
    QList<QWidget*> order;
    for (const QString& section : m_editor.sections()) {
        m_sections->addItem(SectionCaption(section));
        m_pages->addWidget(buildSection(section));
        for (const SettingDefinition* setting : m_editor.settingsOf(section))
            order << m_fields.value(setting->key);
    }
    m_sections->setMaximumWidth(m_sections->sizeHintForColumn(0) + 2 * m_sections->frameWidth() + 24);
    connect(m_sections, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);
    m_sections->setCurrentRow(0);

    m_saveBut = new QPushButton(QStringLiteral("Αποθήκευση"), this);
    m_saveBut->setObjectName(QStringLiteral("SaveBut"));
    m_saveBut->setAutoDefault(false);
    m_exitBut = new QPushButton(QStringLiteral("Εξοδος"), this);
    m_exitBut->setObjectName(QStringLiteral("ExitBut"));
    m_exitBut->setAutoDefault(false);
    connect(m_saveBut, &QPushButton::clicked, this, [this] {
        if (save())
            accept();
    });
    connect(m_exitBut, &QPushButton::clicked, this, &RythmEgk::reject);

    auto* middle = new QHBoxLayout;
    middle->addWidget(m_sections);
    middle->addWidget(m_pages, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_saveBut);
    buttons->addWidget(m_exitBut);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(where);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);

    SetInputOrder(order);
    new FormKeys(this, m_exitBut, m_saveBut);
    ColourForm(this);
    resize(fontMetrics().averageCharWidth() * 120, fontMetrics().height() * 40);

    if (!readable) {
        // The window shows the defaults; saving would put them over a file it could not read.
        for (QLineEdit* edit : std::as_const(m_fields))
            edit->setReadOnly(true);
        m_saveBut->setEnabled(false);
        where->setText(FileFailure(FileAction::Read, m_path, readError).text);
    }
}

QWidget* RythmEgk::buildSection(const QString& section) {
    auto* inside = new QWidget;
    auto* column = new QVBoxLayout(inside);
    for (const SettingDefinition* setting : m_editor.settingsOf(section)) {
        const QString key = setting->key;
        auto* name =
            new QLabel(QStringLiteral("<b>%1</b>").arg(key.section(u'/', 1).toHtmlEscaped()), inside);
        auto* edit = new QLineEdit(m_editor.value(key), inside);
        edit->setObjectName(key);
        if (setting->form.secret)
            edit->setEchoMode(QLineEdit::PasswordEchoOnEdit);
        name->setBuddy(edit);
        auto* reset = new QToolButton(inside);
        reset->setObjectName(key + QStringLiteral("/Default"));
        reset->setText(QStringLiteral("Προεπιλογή"));
        reset->setToolTip(QStringLiteral("Βάζει στο πεδίο την προεπιλογή της ρύθμισης."));
        reset->setFocusPolicy(Qt::NoFocus);
        auto* help = new QLabel(setting->comment + u' ' + DefaultText(*setting), inside);
        help->setObjectName(key + QStringLiteral("/Help"));
        help->setWordWrap(true);
        help->setEnabled(false); // the help reads as a quieter text under the field
        auto* problem = new QLabel(inside);
        problem->setObjectName(key + QStringLiteral("/Problem"));
        problem->setWordWrap(true);
        problem->setStyleSheet(QStringLiteral("color: #b00000"));

        auto* row = new QHBoxLayout;
        row->addWidget(edit, 1);
        row->addWidget(reset);
        column->addWidget(name);
        column->addLayout(row);
        column->addWidget(help);
        column->addWidget(problem);
        column->addSpacing(fontMetrics().height() / 2);

        m_fields.insert(key, edit);
        m_problems.insert(key, problem);
        m_pageOf.insert(key, m_pages->count());
        connect(edit, &QLineEdit::textEdited, this, [this, key](const QString& text) {
            m_editor.setValue(key, text);
            showProblem(key);
        });
        connect(reset, &QToolButton::clicked, this, [this, key, edit, setting] {
            edit->setText(setting->defaultValue);
            m_editor.setValue(key, setting->defaultValue);
            showProblem(key);
        });
        showProblem(key);
    }
    column->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("Page_") + section);
    scroll->setWidgetResizable(true);
    scroll->setWidget(inside);
    return scroll;
}

void RythmEgk::showProblem(const QString& key) {
    QLabel* label = m_problems.value(key);
    QString text = m_editor.problem(key);
    // A value the file holds that does not fit is not used: say what is used instead.
    if (!m_editor.changed(key) && !m_editor.storedProblem(key).isEmpty())
        text += QStringLiteral(" Μέχρι να τη διορθώσετε, ισχύει η προεπιλογή.");
    label->setText(text);
    label->setVisible(!text.isEmpty());
}

void RythmEgk::showField(const QString& key) {
    m_sections->setCurrentRow(m_pageOf.value(key));
    if (QLineEdit* edit = m_fields.value(key))
        edit->setFocus();
}

bool RythmEgk::save() {
    if (const QStringList wrong = m_editor.changedWithProblems(); !wrong.isEmpty()) {
        QStringList lines;
        for (const QString& key : wrong)
            lines << QStringLiteral("«%1»: %2").arg(key, m_editor.problem(key));
        ShowBox(Title,
                QStringLiteral("Οι ρυθμίσεις δεν αποθηκεύτηκαν, γιατί κάποιες τιμές δεν είναι σωστές:\r\n") +
                    lines.join(QStringLiteral("\r\n")),
                MsgIcon::Warning);
        showField(wrong.constFirst());
        return false;
    }
    for (const QString& key : m_editor.unencryptedCredentialSites()) {
        const bool keep = AskYesNo(
            Title,
            QStringLiteral(
                "Η διεύθυνση «%1» της ρύθμισης «%2» δεν είναι κρυπτογραφημένη (http αντί για https): "
                "ο χρήστης και ο κωδικός σας θα περνούν από το δίκτυο χωρίς προστασία.\r\n"
                "Να αποθηκευτεί έτσι;")
                .arg(m_editor.value(key).trimmed(), key),
            MsgIcon::Warning, MsgAnswer::No);
        if (!keep) {
            showField(key);
            return false;
        }
    }
    if (!m_editor.changed())
        return true;
    QString error;
    if (!m_editor.save(&error)) {
        Failure failure = FileFailure(FileAction::Write, m_path, error);
        failure.text.prepend(QStringLiteral("Οι ρυθμίσεις δεν αποθηκεύτηκαν.\r\n"));
        ShowFailure(QStringLiteral("ΠΡΟΣΟΧΗ"), failure);
        return false;
    }
    Services::changeSettings(std::make_unique<IniSettings>(m_path));
    return true;
}

void RythmEgk::reject() {
    if (m_editor.changed()) {
        const MsgAnswer answer = ShowBox(Title, QStringLiteral("Να αποθηκευτούν οι αλλαγές των ρυθμίσεων;"),
                                         MsgIcon::Question, MsgButtons::YesNoCancel, MsgAnswer::Yes);
        if (answer == MsgAnswer::Cancel || (answer == MsgAnswer::Yes && !save()))
            return;
    }
    QDialog::reject();
}
