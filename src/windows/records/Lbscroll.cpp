#include "windows/records/Lbscroll.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/core/services/Services.h"
#include "logic/records/PickList.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowNames.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QListWidget>
#include <QListWidgetItem>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {
// The designed layout, in twips.
constexpr int Margin = 95;
constexpr int DesignedListWidth = 3375;
constexpr int ListHeight = 2940;
constexpr int ButtonTop = Margin + ListHeight + 120;
constexpr int ButtonWidth = 1500;
constexpr int ButtonHeight = 390;
constexpr int WindowHeight = ButtonTop + ButtonHeight + Margin;

QRect twipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left, top), TwipsSizeToPixels(width, height)};
}
} // namespace

Lbscroll::Lbscroll(QWidget* parent) : ChildWindow(parent) {
    setObjectName(WindowName::Lbscroll);
    for (int i = 0; i < 2; ++i) {
        m_lists[i] = new QListWidget(this);
        m_lists[i]->setObjectName(QStringLiteral("Lscroll_%1").arg(i));
        m_lists[i]->setVisible(i == 0);
    }
    m_lists[0]->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lists[1]->setSelectionMode(QAbstractItemView::MultiSelection);
    m_epilBut = new QPushButton(QStringLiteral("Επιλογή"), this);
    m_epilBut->setObjectName(QStringLiteral("EpilBut"));
    m_exitBut = new QPushButton(QStringLiteral("Εξοδος"), this);
    m_exitBut->setObjectName(QStringLiteral("ExitBut"));
    connect(m_epilBut, &QPushButton::clicked, this, &Lbscroll::accept);
    connect(m_exitBut, &QPushButton::clicked, this, &Lbscroll::cancel);
    // A double click chooses in the single-choice list only; in the other it would undo
    // the user's marking.
    connect(m_lists[0], &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_lists[0]->setCurrentItem(item);
        accept();
    });
    layOut(DesignedListWidth);
}

QListWidget* Lbscroll::visibleList() const {
    return m_lists[m_multiSel ? 1 : 0];
}

void Lbscroll::layOut(int listWidthTwips) {
    for (QListWidget* list : m_lists)
        list->setGeometry(twipsRect(Margin, Margin, listWidthTwips, ListHeight));
    m_epilBut->setGeometry(twipsRect(Margin, ButtonTop, ButtonWidth, ButtonHeight));
    m_exitBut->setGeometry(
        twipsRect(Margin + listWidthTwips - ButtonWidth, ButtonTop, ButtonWidth, ButtonHeight));
    // The controls are placed, not laid out: the window keeps the size they need.
    setFixedSize(TwipsSizeToPixels(listWidthTwips + 2 * Margin, WindowHeight));
    if (QMdiSubWindow* frame = subWindow())
        frame->adjustSize();
}

void Lbscroll::InitScroll(double X, int Y, const QString& caption, const QString& items, bool MultiSel) {
    try {
        m_multiSel = MultiSel;
        m_lists[1]->setVisible(MultiSel);
        m_lists[0]->setVisible(!MultiSel);
        Program.ScrollChoice = 0;
        Program.ScrollMarks.clear();
        setWindowTitle(caption);
        placeAtTwips(int(X), Y);
        QListWidget* list = visibleList();
        list->clear();
        const QStringList entries = PickListItems(items);
        list->addItems(entries);
        if (const int widened = WidenedListWidthTwips(entries))
            layOut(widened);
        // The first item is the current one; in the multiple-choice list it is not marked,
        // the user marks the items wanted.
        if (list->count() > 0)
            list->setCurrentRow(0, MultiSel ? QItemSelectionModel::NoUpdate
                                            : QItemSelectionModel::ClearAndSelect);
        list->setFocus();
    } catch (const std::exception& error) {
        ShowFailure(QStringLiteral("ΠΡΟΣΟΧΗ"),
                    {QStringLiteral("Ο κατάλογος επιλογής δεν μπορεί να εμφανιστεί."),
                     QString::fromLocal8Bit(error.what())});
        finish();
    }
}

void Lbscroll::accept() {
    if (m_finished)
        return;
    QListWidget* list = visibleList();
    if (m_multiSel) {
        QList<bool> chosen;
        for (int row = 0; row < list->count(); ++row)
            chosen << list->item(row)->isSelected();
        Program.ScrollMarks = ScrollMarksFor(chosen);
    } else {
        const QListWidgetItem* item = list->currentItem();
        Program.ScrollChoice = item && item->isSelected() ? qint16(list->row(item) + 1) : qint16(0);
    }
    finish();
}

void Lbscroll::cancel() {
    if (m_finished)
        return;
    Program.ScrollChoice = 0;
    Program.ScrollMarks.clear();
    finish();
}

void Lbscroll::finish() {
    // Closing hands the activation back to another window; that must not empty the answer.
    m_finished = true;
    closeWindow();
}

void Lbscroll::deactivated() {
    cancel();
}

void Lbscroll::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        break;
    case Qt::Key_Escape:
        // InitScroll has already emptied both answers.
        if (!m_finished)
            finish();
        break;
    default:
        ChildWindow::keyPressEvent(event);
        return;
    }
    event->accept();
}

Lbscroll* OpenLbscroll() {
    MdiHost* host = MdiHost::instance();
    if (!host)
        return nullptr;
    // A pick list still open loses the activation to the new one and closes itself.
    return static_cast<Lbscroll*>(host->addChild(new Lbscroll));
}

void ForgetScrollMarks() {
    Program.ScrollMarks.clear();
}
