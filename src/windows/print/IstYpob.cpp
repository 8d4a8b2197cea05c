#include "windows/print/IstYpob.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/core/services/Dialogs.h"
#include "logic/core/text/DateHelpers.h"
#include "logic/print/HistoryReport.h"
#include "logic/records/RecordKeys.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/PdfPrinting.h"
#include "windows/core/WindowNames.h"
#include "windows/print/Reports.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPdfDocument>
#include <QPdfView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

enum Column {
    SentColumn,
    DateColumn,
    AfmColumn,
    NameColumn,
    WayColumn,
    ProtocolColumn,
    SubmitColumn,
    HoursColumn
};

// The path of a kept proof: the history keeps it relative to the data folder.
QString ProofPath(const SubmissionRow& row) {
    if (row.Sproof.isEmpty())
        return {};
    return QDir::isAbsolutePath(row.Sproof) ? row.Sproof : QDir(Program.AppPath).filePath(row.Sproof);
}

// A proof of submission on screen, with its own print button.
class ProofViewer : public QDialog {
public:
    ProofViewer(const QString& path, const QString& caption, QWidget* parent) : QDialog(parent) {
        setObjectName(u"ProofView"_s);
        setWindowTitle(caption);
        auto* document = new QPdfDocument(this);
        document->load(path);
        auto* view = new QPdfView(this);
        view->setObjectName(u"WebBr"_s);
        view->setPageMode(QPdfView::PageMode::MultiPage);
        view->setZoomMode(QPdfView::ZoomMode::FitToWidth);
        view->setDocument(document);
        auto* print = new QPushButton(u"Εκτύπωση"_s, this);
        print->setObjectName(u"PrtBut"_s);
        print->setAutoDefault(false);
        auto* exit = new QPushButton(u"Εξοδος"_s, this);
        exit->setObjectName(u"ExitBut"_s);
        connect(print, &QPushButton::clicked, this, [path] { PrintPdfFile(path); });
        connect(exit, &QPushButton::clicked, this, &QDialog::reject);
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(print);
        buttons->addWidget(exit);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(view, 1);
        layout->addLayout(buttons);
        resize(TwipsToPixels(9000), TwipsToPixels(9000));
    }
};

} // namespace

IstYpob::IstYpob(QWidget* parent) : ChildWindow(parent) {
    setObjectName(WindowName::IstYpob);
    setWindowTitle(u"Ιστορικό Υποβολών"_s);

    auto* filters = new QGridLayout;
    const QStringList captions{u"Α.Φ.Μ.:"_s, u"Από Ημ/νία:"_s, u"Εως Ημ/νία:"_s, u"Πρωτόκολλο:"_s};
    m_afm = filterField(u"Eafm"_s, 14);
    m_dates[0] = filterField(u"Dates_0"_s, 10);
    m_dates[1] = filterField(u"Dates_1"_s, 10);
    m_protocol = filterField(u"Protocol"_s, 40);
    const QList<QLineEdit*> fields{m_afm, m_dates[0], m_dates[1], m_protocol};
    for (int i = 0; i < fields.size(); ++i) {
        auto* label = new QLabel(captions.at(i), this);
        label->setObjectName(u"Lbl_%1"_s.arg(i));
        label->setBuddy(fields.at(i));
        filters->addWidget(label, i / 2, (i % 2) * 2);
        filters->addWidget(fields.at(i), i / 2, (i % 2) * 2 + 1);
    }
    m_dates[0]->setToolTip(u"Οι κινήσεις από αυτή την ημερομηνία (κενό: όλες)"_s);
    m_dates[1]->setToolTip(u"Οι κινήσεις έως αυτή την ημερομηνία (κενό: όλες)"_s);
    // AFM and protocol narrow the list as they are typed; a date when it is complete.
    connect(m_afm, &QLineEdit::textChanged, this, &IstYpob::reload);
    connect(m_protocol, &QLineEdit::textChanged, this, &IstYpob::reload);
    for (QLineEdit* date : m_dates)
        connect(date, &QLineEdit::editingFinished, this, [this, date] {
            if (!date->text().trimmed().isEmpty())
                CompleteDateField(date);
            reload();
        });

    m_grid = new QTableWidget(0, 8, this);
    m_grid->setObjectName(u"Grd"_s);
    m_grid->setHorizontalHeaderLabels({u"Αποστολή"_s, u"Κίνηση"_s, u"Α.Φ.Μ."_s, u"Ονοματεπώνυμο"_s,
                                       u"Τρόπος"_s, u"Πρωτόκολλο"_s, u"Υποβολή"_s, u"Ωράριο"_s});
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    connect(m_grid, &QTableWidget::itemSelectionChanged, this, &IstYpob::updateButtons);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, &IstYpob::openProof);

    m_count = new QLabel(this);
    m_count->setObjectName(u"Count"_s);
    m_proofBut = new QPushButton(u"Αποδεικτικό"_s, this);
    m_proofBut->setObjectName(u"ProofBut"_s);
    m_proofBut->setToolTip(u"Το αποδεικτικό που φυλάχτηκε από τη σελίδα των e-υπηρεσιών"_s);
    m_prtBut = new QPushButton(u"Εκτύπωση"_s, this);
    m_prtBut->setObjectName(u"PrtBut"_s);
    m_prtBut->setToolTip(u"Προεπισκόπηση για εκτύπωση ή εξαγωγή σε αρχείο (F7)"_s);
    m_exitBut = new QPushButton(u"Εξοδος"_s, this);
    m_exitBut->setObjectName(u"ExitBut"_s);
    for (QPushButton* button : {m_proofBut, m_prtBut, m_exitBut})
        button->setAutoDefault(false);
    connect(m_proofBut, &QPushButton::clicked, this, &IstYpob::openProof);
    connect(m_prtBut, &QPushButton::clicked, this, &IstYpob::print);
    connect(m_exitBut, &QPushButton::clicked, this, &ChildWindow::closeWindow);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_count, 1);
    buttons->addWidget(m_proofBut);
    buttons->addWidget(m_prtBut);
    buttons->addWidget(m_exitBut);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    SetInputOrder({m_afm, m_dates[0], m_dates[1], m_protocol});
    auto* keys = new FormKeys(this, m_exitBut, nullptr);
    keys->setExtraKeys([this](QKeyEvent* event) {
        const bool print = event->key() == Qt::Key_F7 ||
                           (event->key() == Qt::Key_P && event->modifiers() == Qt::ControlModifier);
        if (print)
            this->print();
        return print;
    });
    ColourForm(this);
    resize(TwipsToPixels(13500), TwipsToPixels(6000));
    placeAtTwips(100, 100);
    reload();
}

QLineEdit* IstYpob::filterField(const QString& name, int maxLength) {
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setMaxLength(maxLength);
    return field;
}

void IstYpob::activated() {
    // A submission made in another window since shows when the history comes to the front.
    reload();
}

SubmissionFilter IstYpob::filter() const {
    return {m_afm->text().trimmed(), ScreenToStoredDate(m_dates[0]->text()),
            ScreenToStoredDate(m_dates[1]->text()), m_protocol->text().trimmed()};
}

void IstYpob::reload() {
    DbStatus status;
    QSqlQuery query = SelectSubmissionHistory(filter(), &status);
    m_rows.clear();
    QStringList names;
    while (status.ok() && query.next()) {
        m_rows << SubmissionFromQuery(query);
        names << query.value(10).toString();
    }
    m_grid->setUpdatesEnabled(false);
    m_grid->setRowCount(int(m_rows.size()));
    for (int row = 0; row < m_rows.size(); ++row) {
        const SubmissionRow& submission = m_rows.at(row);
        const QStringList cells{SubmissionSentText(submission),
                                StoredToScreenDate(submission.Kdate),
                                submission.Eafm,
                                names.at(row).trimmed(),
                                SubmissionWayText(submission.Sway),
                                SubmissionProtocolText(submission),
                                submission.Ssubmit,
                                submission.Shours};
        for (int column = 0; column < cells.size(); ++column)
            m_grid->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    m_grid->setUpdatesEnabled(true);
    m_grid->resizeColumnsToContents();
    m_count->setText(status.ok() ? u"Υποβολές: %1"_s.arg(m_rows.size())
                                 : u"Το ιστορικό δεν διαβάζεται: %1"_s.arg(status.errorText));
    if (!m_rows.isEmpty())
        m_grid->selectRow(0);
    updateButtons();
}

const SubmissionRow* IstYpob::selectedRow() const {
    const int row = m_grid->currentRow();
    return row >= 0 && row < m_rows.size() ? &m_rows.at(row) : nullptr;
}

void IstYpob::updateButtons() {
    const SubmissionRow* row = selectedRow();
    m_proofBut->setEnabled(row && !row->Sproof.isEmpty());
    m_prtBut->setEnabled(!m_rows.isEmpty());
}

void IstYpob::openProof() {
    const SubmissionRow* row = selectedRow();
    if (!row || row->Sproof.isEmpty())
        return;
    const QString path = ProofPath(*row);
    if (!QFileInfo::exists(path)) {
        ShowBox(u"ΠΡΟΣΟΧΗ"_s, u"Το αποδεικτικό %1 δεν βρέθηκε."_s.arg(QDir::toNativeSeparators(path)),
                MsgIcon::Information);
        return;
    }
    auto* viewer = new ProofViewer(
        path, u"Αποδεικτικό %1 %2"_s.arg(row->Eafm, StoredToScreenDate(row->Kdate)), window());
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->open();
}

void IstYpob::print() {
    if (!m_rows.isEmpty())
        PrintSubmissionHistory(filter());
}
