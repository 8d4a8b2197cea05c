#include "windows/internet/EpilErgaz.h"

#include "logic/core/database/EmployeeStatements.h"
#include "logic/core/database/ReportStatements.h"
#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/core/text/DateHelpers.h"
#include "logic/internet/ApiSendingCheck.h"
#include "logic/internet/BatchSubmission.h"
#include "logic/records/RecordKeys.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/HandOvers.h"
#include "windows/core/MdiHost.h"
#include "windows/core/ToolbarPictures.h"
#include "windows/core/WindowNames.h"
#include "windows/records/Lbscroll.h"
#include "windows/records/RecordHandOvers.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
constexpr int AfmLength = 14;
} // namespace

EpilErgaz::EpilErgaz(QWidget* parent) : ChildWindow(parent) {
    setObjectName(WindowName::EpilErgaz);
    setWindowTitle(QStringLiteral("Επιλογή Εργαζομένων"));

    auto* tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("Tools"));
    const QStringList captions{QStringLiteral("Οθόνη"), QStringLiteral("Εκτυπωτής"),
                               QStringLiteral("Εξοδος")};
    for (int i = 0; i < 3; ++i) {
        m_tools[i] = tools->addAction(captions.at(i));
        m_tools[i]->setObjectName(QStringLiteral("Tools_%1").arg(i + 1));
    }
    BuildOutputToolbar(tools, 1);
    m_tools[0]->setVisible(false);
    connect(m_tools[1], &QAction::triggered, this, &EpilErgaz::submitBatch);
    connect(m_tools[2], &QAction::triggered, this, &ChildWindow::closeWindow);

    auto* grid = new QGridLayout;
    const QStringList dateCaptions{QStringLiteral("Από Ημ/νία:"), QStringLiteral("Εως Ημ/νία:")};
    for (int i = 0; i < 2; ++i) {
        grid->addWidget(captionLabel(i, dateCaptions.at(i)), i, 0);
        m_dates[i] = new QLineEdit(this);
        m_dates[i]->setObjectName(QStringLiteral("Dates_%1").arg(i));
        m_dates[i]->setMaxLength(10);
        m_dates[i]->installEventFilter(this);
        grid->addWidget(m_dates[i], i, 1);
        m_cal[i] = new QToolButton(this);
        m_cal[i]->setObjectName(QStringLiteral("Cal_%1").arg(i));
        m_cal[i]->setIcon(ToolbarPicture(QStringLiteral("Cal.Gif"), QStringLiteral("x-office-calendar"),
                                         QStyle::SP_FileDialogDetailedView));
        m_cal[i]->setToolTip(QStringLiteral("Ημερολόγιο"));
        m_cal[i]->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(m_cal[i], i, 2);
        connect(m_cal[i], &QToolButton::clicked, this, [this, i] { m_dates[i]->setText(PickDate(this)); });
    }
    const QStringList afmCaptions{QStringLiteral("Από Εργαζόμενο:"), QStringLiteral("Εως Εργαζόμενο:"),
                                  QStringLiteral("Μάσκα:")};
    for (int i = 0; i < 3; ++i) {
        grid->addWidget(captionLabel(2 + i, afmCaptions.at(i)), 2 + i, 0);
        m_eafm[i] = new QLineEdit(this);
        m_eafm[i]->setObjectName(QStringLiteral("Eafm_%1").arg(i));
        m_eafm[i]->setMaxLength(AfmLength);
        m_eafm[i]->installEventFilter(this);
        grid->addWidget(m_eafm[i], 2 + i, 1);
    }
    for (int i = 0; i < 2; ++i) {
        m_find[i] = new QToolButton(this);
        m_find[i]->setObjectName(QStringLiteral("Find_%1").arg(i));
        m_find[i]->setIcon(ToolbarPicture(QStringLiteral("Find.Gif"), QStringLiteral("edit-find"),
                                          QStyle::SP_FileDialogContentsView));
        m_find[i]->setToolTip(QStringLiteral("Εργαζόμενοι"));
        m_find[i]->setFocusPolicy(Qt::NoFocus);
        grid->addWidget(m_find[i], 2 + i, 2);
        connect(m_find[i], &QToolButton::clicked, this, [this, i] {
            m_eafm[i]->setFocus();
            openEmployeePicker(i);
        });
        m_eepon[i] = new QLabel(this);
        m_eepon[i]->setObjectName(QStringLiteral("Eepon_%1").arg(i));
        m_eepon[i]->setMinimumWidth(TwipsToPixels(3600));
        m_eepon[i]->setAutoFillBackground(true);
        grid->addWidget(m_eepon[i], 2 + i, 3);
    }
    m_epilbut = new QPushButton(QStringLiteral("Επιλογή"), this);
    m_epilbut->setObjectName(QStringLiteral("Epilbut"));
    m_epilbut->setToolTip(QStringLiteral("Επιλογή εταιρειών"));
    m_epilbut->setAutoDefault(false);
    grid->addWidget(m_epilbut, 4, 3, Qt::AlignLeft);
    connect(m_epilbut, &QPushButton::clicked, this, &EpilErgaz::chooseEmployees);

    grid->addWidget(captionLabel(5, QStringLiteral("Αποστολή:")), 5, 0);
    m_sendWay = new QComboBox(this);
    m_sendWay->setObjectName(QStringLiteral("SendWay"));
    m_sendWay->addItems({SendWayCaption(SendWay::Page), SendWayCaption(SendWay::Api)});
    m_sendWay->setCurrentIndex(DefaultSendWay() == SendWay::Api ? 1 : 0);
    m_sendWay->setToolTip(
        QStringLiteral("Τρόπος αποστολής: μία μία από τη σελίδα των e-υπηρεσιών, ή όλες μαζί "
                       "μέσω Web Services (ένα έντυπο για κάθε υποκατάστημα)"));
    grid->addWidget(m_sendWay, 5, 1, 1, 3, Qt::AlignLeft);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tools);
    layout->addLayout(grid);
    layout->addStretch();

    SetInputOrder({m_dates[0], m_dates[1], m_eafm[0], m_eafm[1], m_eafm[2]});
    auto* keys = new FormKeys(this, nullptr, nullptr);
    keys->setExitAction([this] { closeWindow(); });
    keys->setAcceptAction([this] { submitBatch(); });
    keys->setExtraKeys([this](QKeyEvent* event) { return extraKey(event); });
    ColourForm(this);

    ForgetScrollMarks();
    m_eafm[2]->setText(QString(AfmLength, QLatin1Char('*')));
    for (QLineEdit* date : m_dates)
        date->setText(ScreenDate(Program.WorkDate));
    placeAtTwips(50, 50);
}

QLabel* EpilErgaz::captionLabel(int index, const QString& text) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("Lbl_%1").arg(index));
    return label;
}

bool EpilErgaz::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        for (int i = 0; i < 2; ++i) {
            if (watched == m_dates[i])
                CompleteDateField(m_dates[i]);
            else if (watched == m_eafm[i])
                afmFieldLeft(i);
        }
    }
    return ChildWindow::eventFilter(watched, event);
}

bool EpilErgaz::extraKey(QKeyEvent* event) {
    if (event->modifiers() & Qt::ShiftModifier)
        return false;
    if (event->key() == Qt::Key_F3) {
        for (int i = 0; i < 2; ++i) {
            if (m_eafm[i]->hasFocus()) {
                openEmployeePicker(i);
                return true;
            }
        }
        return false;
    }
    if (event->key() == Qt::Key_F6) {
        chooseEmployees();
        return true;
    }
    if (event->key() == Qt::Key_F10) {
        // The field being left is taken as it would be on leaving it.
        for (int i = 0; i < 2; ++i) {
            if (m_dates[i]->hasFocus())
                CompleteDateField(m_dates[i]);
            if (m_eafm[i]->hasFocus())
                afmFieldLeft(i);
        }
    }
    return false;
}

void EpilErgaz::afmFieldLeft(int index) {
    QLineEdit* field = m_eafm[index];
    if (field->text().trimmed().isEmpty()) {
        m_eepon[index]->clear();
        return;
    }
    if (const std::optional<QString> name = SelectEmployeeName(field->text())) {
        m_eepon[index]->setText(*name);
    } else {
        field->clear();
        m_eepon[index]->clear();
    }
}

void EpilErgaz::openEmployeePicker(int index) {
    m_pickingFor = index;
    if (!PickEmployee())
        m_pickingFor = -1;
}

void EpilErgaz::activated() {
    // Back from the employee list: its choice goes into the field that asked for it.
    const int index = m_pickingFor;
    m_pickingFor = -1;
    if (index < 0)
        return;
    const QString key = ChosenEmployee().trimmed();
    if (!key.isEmpty()) {
        m_eafm[index]->setText(key);
        afmFieldLeft(index);
    }
    m_eafm[index]->setFocus();
}

void EpilErgaz::chooseEmployees() {
    QSqlQuery names = SelectEmployeeNamesWithEntries(ScreenToStoredDate(m_dates[0]->text()),
                                                     ScreenToStoredDate(m_dates[1]->text()));
    QString items;
    while (names.next())
        items += names.value(0).toString().trimmed() + QLatin1Char('|');
    if (items.isEmpty())
        return;
    Lbscroll* list = OpenLbscroll();
    if (!list)
        return;
    list->InitScroll(0, 0, QStringLiteral("Επιλογή Εργαζομένων"), items, true);
    // Centred on the main window's working area.
    const QWidget* area = MdiHost::instance();
    const QSize frame = list->subWindow() ? list->subWindow()->size() : list->size();
    list->placeAtTwips(PixelsToTwips(qMax(0, (area->width() - frame.width()) / 2)),
                       PixelsToTwips(qMax(0, (area->height() - frame.height()) / 2)));
}

void EpilErgaz::submitBatch() {
    const BatchSelection selection{m_dates[0]->text(), m_dates[1]->text(), m_eafm[0]->text(),
                                   m_eafm[1]->text(),  m_eafm[2]->text(),  Program.ScrollMarks};
    if (m_sendWay->currentIndex() == 1) {
        submitThroughApi(selection);
        return;
    }
    RunBatchSubmission(selection, [](const SubmissionRequest& entry, const QString& kdate) {
        SendEntry({.Eafm = entry.Eafm,
                   .Korario = entry.Korario,
                   .Kparat = entry.Kparat,
                   .Eypo = entry.Eypo,
                   .Kdate = kdate});
    });
}

void EpilErgaz::submitThroughApi(const BatchSelection& selection) {
    if (!ApiSendingPossible())
        return;
    DbStatus status;
    const QStringList employees = BatchEmployees(selection, &status);
    if (!status.ok()) {
        ShowDatabaseError(status);
        return;
    }
    if (employees.isEmpty()) {
        ShowMsg(18);
        return;
    }
    SendBatchThroughApi(selection);
}
