#include "windows/print/Lbprint.h"

#include "logic/core/program/Twips.h"
#include "logic/core/services/Dialogs.h"
#include "logic/core/services/WaitSeconds.h"
#include "logic/print/PageRenderer.h"
#include "logic/print/PreviewExport.h"
#include "logic/records/LbPopUp.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/MdiHost.h"
#include "windows/core/ToolbarPictures.h"
#include "windows/core/WindowNames.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace {
// The picture of the page, moved about inside the viewport by the scroll bars.
constexpr int ScrollStep = 20; // pixels
} // namespace

// The page picture: shows the page image and passes its keys and clicks to the window.
class PagePicture : public QWidget {
public:
    PagePicture(Lbprint* owner, QWidget* parent) : QWidget(parent), m_owner(owner) {
        setObjectName(u"Pict"_s);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawImage(0, 0, m_owner->m_image);
    }
    void keyPressEvent(QKeyEvent* event) override { m_owner->pictureKey(event); }
    void mousePressEvent(QMouseEvent* event) override { m_owner->pictureClick(event); }

private:
    Lbprint* m_owner;
};

Lbprint::Lbprint(QWidget* parent) : ChildWindow(parent) {
    setObjectName(WindowName::Lbprint);
    setWindowTitle(u"Εκτύπωση"_s);
    setAttribute(Qt::WA_DeleteOnClose);

    m_tools = new QToolBar(this);
    m_tools->setObjectName(u"Tools"_s);
    m_tools->setIconSize(QSize(20, 20));
    m_frm = new QWidget(this);
    m_frm->setObjectName(u"Frm"_s);
    m_pict = new PagePicture(this, m_frm);
    m_vert = new QScrollBar(Qt::Vertical, this);
    m_vert->setObjectName(u"Vert"_s);
    m_oriz = new QScrollBar(Qt::Horizontal, this);
    m_oriz->setObjectName(u"Oriz"_s);
    for (QScrollBar* bar : {m_vert, m_oriz}) {
        bar->setSingleStep(ScrollStep);
        bar->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_oriz, &QScrollBar::valueChanged, this,
            [this](int value) { m_pict->move(-value, m_pict->y()); });
    connect(m_vert, &QScrollBar::valueChanged, this,
            [this](int value) { m_pict->move(m_pict->x(), -value); });

    // The page range stands beside the toolbar's buttons, shown only while it is asked.
    m_range = new QWidget(this);
    auto* rangeLayout = new QHBoxLayout(m_range);
    rangeLayout->setContentsMargins(4, 0, 4, 0);
    m_txtLbl = new QLabel(u"Από/Εως Σελίδα:"_s, m_range);
    m_txtLbl->setObjectName(u"TxtLbl"_s);
    m_apoSel = new QLineEdit(m_range);
    m_apoSel->setObjectName(u"ApoSel"_s);
    m_eosSel = new QLineEdit(m_range);
    m_eosSel->setObjectName(u"EosSel"_s);
    rangeLayout->addWidget(m_txtLbl);
    for (QLineEdit* box : {m_apoSel, m_eosSel}) {
        box->setMaxLength(4);
        box->setFixedWidth(60);
        box->installEventFilter(this);
        rangeLayout->addWidget(box);
    }
    buildToolbar();
    showRangeBoxes(false);
    ColourForm(this);
}

Lbprint::~Lbprint() = default;

void Lbprint::buildToolbar() {
    struct Button {
        QString tip;
        QString file;
        QString theme;
        QStyle::StandardPixmap standard;
        std::function<void()> action;
    };
    const QList<Button> buttons = {
        {u"Εκτύπωση"_s, u"Print.Gif"_s, u"document-print"_s, QStyle::SP_FileDialogDetailedView,
         [this] { printMenu(); }},
        {u"Πρώτη Σελίδα"_s, u"First.Gif"_s, u"go-first"_s, QStyle::SP_MediaSkipBackward,
         [this] { firstPage(); }},
        {u"Προηγούμενη Σελίδα"_s, u"Previous.Gif"_s, u"go-previous"_s, QStyle::SP_ArrowLeft,
         [this] { previousPage(); }},
        {u"Επόμενη Σελίδα"_s, u"Next.Gif"_s, u"go-next"_s, QStyle::SP_ArrowRight, [this] { nextPage(); }},
        {u"Τελευταία Σελίδα"_s, u"Last.Gif"_s, u"go-last"_s, QStyle::SP_MediaSkipForward,
         [this] { lastPage(); }},
        {u"Εξαγωγή"_s, u"Export.Gif"_s, u"document-save-as"_s, QStyle::SP_DialogSaveButton,
         [this] { exportMenu(); }},
        {u"Μεγέθυνση"_s, u"ZoomIn.Gif"_s, u"zoom-in"_s, QStyle::SP_TitleBarMaxButton, [this] { zoomIn(); }},
        {u"Σμίκρυνση"_s, u"ZoomOut.Gif"_s, u"zoom-out"_s, QStyle::SP_TitleBarMinButton,
         [this] { zoomOut(); }},
        {u"Γέφυρες Αρχείων"_s, u"Bridge.Gif"_s, u"go-jump"_s, QStyle::SP_FileDialogToParent,
         [this] { bridges(); }},
        {u"Εξοδος"_s, u"Exit.Gif"_s, u"application-exit"_s, QStyle::SP_DialogCloseButton,
         [this] { closeWindow(); }},
    };
    for (int i = 0; i < buttons.size(); ++i) {
        const Button& b = buttons[i];
        QAction* action = m_tools->addAction(ToolbarPicture(b.file, b.theme, b.standard), b.tip);
        action->setObjectName(u"Tools_%1"_s.arg(i + 1));
        action->setToolTip(b.tip);
        connect(action, &QAction::triggered, this, b.action);
        m_buttons << action;
    }
}

void Lbprint::Initprint(int Plen, int Ptit, double PfontSize, int PpageLines, bool Pdate, bool Ppage,
                        bool Pboxes, const QString& Pcode, const QString& Pepon, const QString& Picon) {
    m_job.Initprint(Plen, Ptit, PfontSize, PpageLines, Pdate, Ppage, Pboxes, Pcode, Pepon, Picon);
    fitToPage();
}

void Lbprint::fitToPage() {
    setWindowTitle(m_job.caption());

    // The window stands at 50, 50 twips and takes the page's size, within the main window.
    constexpr int Left = 50;
    constexpr int Top = 50;
    const bool portrait = !m_job.landscape();
    const int p = portrait ? 11400 : 16300;
    const int q = portrait ? 16300 : 11400;
    const int barWidth = PixelsToTwips(m_vert->sizeHint().width());
    const int barHeight = PixelsToTwips(m_oriz->sizeHint().height());
    const int toolsHeight = PixelsToTwips(m_tools->sizeHint().height());
    int width = barWidth + p;
    int height = barHeight + q + toolsHeight + 40;
    if (MdiHost* host = MdiHost::instance()) {
        const int innerWidth = PixelsToTwips(host->viewport()->width());
        const int innerHeight = PixelsToTwips(host->viewport()->height());
        if (2 * Left + barWidth + p >= innerWidth)
            width = innerWidth - 2 * Left;
        if (2 * Top + barHeight + q + toolsHeight + 40 >= innerHeight)
            height = innerHeight - 2 * Top;
    }
    m_wantedSize = TwipsSizeToPixels(width, height);
    move(TwipsToPixels(Left, Top));
    resize(m_wantedSize);
}

void Lbprint::PictPages() {
    if (m_job.LineCount() == 0) {
        // An empty report shows nothing.
        if (m_shown)
            closeWindow();
        else
            deleteLater();
        return;
    }
    if (!m_job.nextPage())
        return;
    if (!m_shown) {
        m_shown = true;
        if (m_job.droppedLines() > 0)
            ShowBox(u"ΠΡΟΣΟΧΗ"_s, IncompleteReportText(m_job.droppedLines()), MsgIcon::Warning);
        if (MdiHost* host = MdiHost::instance()) {
            host->addChild(this);
            if (QMdiSubWindow* frame = subWindow())
                frame->resize(m_wantedSize);
        } else {
            show();
        }
    }
    showPage();
    m_pict->setFocus();
}

void Lbprint::Delay(int Seconds) {
    WaitSeconds(qBound(0, Seconds, 255));
}

void Lbprint::showPage() {
    // A new page shows from its top.
    m_vert->setValue(0);
    redraw();
    updateScrollRanges();
}

void Lbprint::redraw() {
    if (!m_job.hasPage())
        return;
    RenderOptions options;
    options.selectedRow = m_job.SelectedRow();
    options.highlightText = m_job.selectionByUser();
    m_image = RenderPageImage(m_job, m_job.geometry(), m_job.page(), options);
    m_pict->resize(m_image.size());
    m_pict->update();
}

void Lbprint::updateScrollRanges() {
    m_oriz->setRange(0, qMax(0, m_pict->width() - m_frm->width()));
    m_vert->setRange(0, qMax(0, m_pict->height() - m_frm->height()));
    m_oriz->setPageStep(qMax(1, m_frm->width()));
    m_vert->setPageStep(qMax(1, m_frm->height()));
}

void Lbprint::layOutControls() {
    const int toolsHeight = m_tools->sizeHint().height();
    const int barWidth = m_vert->sizeHint().width();
    const int barHeight = m_oriz->sizeHint().height();
    m_tools->setGeometry(0, 0, width(), toolsHeight);
    const QSize range = m_range->sizeHint();
    const int buttonsWidth = m_tools->actionGeometry(m_buttons.last()).right() + 8;
    m_range->setGeometry(buttonsWidth, (toolsHeight - range.height()) / 2, range.width(), range.height());
    const int viewHeight = qMax(0, height() - toolsHeight - barHeight);
    const int viewWidth = qMax(0, width() - barWidth);
    m_frm->setGeometry(0, toolsHeight, viewWidth, viewHeight);
    m_vert->setGeometry(viewWidth, toolsHeight, barWidth, viewHeight);
    m_oriz->setGeometry(0, toolsHeight + viewHeight, viewWidth, barHeight);
    updateScrollRanges();
}

void Lbprint::resizeEvent(QResizeEvent* event) {
    ChildWindow::resizeEvent(event);
    layOutControls();
}

void Lbprint::firstPage() {
    if (m_job.firstPage())
        showPage();
}

void Lbprint::previousPage() {
    if (m_job.previousPage())
        showPage();
}

void Lbprint::nextPage() {
    if (m_job.nextPage())
        showPage();
}

void Lbprint::lastPage() {
    if (m_job.lastPage())
        showPage();
}

void Lbprint::zoomIn() {
    if (m_job.zoomIn())
        showPage();
}

void Lbprint::zoomOut() {
    if (m_job.zoomOut())
        showPage();
}

void Lbprint::exportMenu() {
    const int choice = AskPopUp(u"Αρχείο Asc|Αρχείο Import|Word Doc|Excel Sheet|E-Mail|Αρχείο Pdf|"_s);
    if (choice >= ExportAscFile && choice <= ExportPdfFile)
        RunPreviewExport(m_job, choice);
}

void Lbprint::contextMenu() {
    const int choice = AskPopUp(
        u"Εκτύπωση|Αρχείο Asc|Αρχείο Import|Word Doc|Excel Sheet|E-Mail|Αρχείο Pdf|Γέφυρες Αρχείων|Εξοδος|"_s);
    if (choice == 1) {
        printPages(m_printChoice == 0 ? 1 : m_printChoice);
    } else if (choice >= 2 && choice <= 7) {
        // The export menu's items, one place down.
        RunPreviewExport(m_job, choice - 1);
    } else if (choice == 8) {
        bridges();
        return;
    } else if (choice == 9) {
        closeWindow();
        return;
    }
    if (choice >= 1 && choice <= 7 && !m_rangeShown)
        m_pict->setFocus();
}

void Lbprint::scrollBy(QScrollBar* bar, int steps) {
    bar->setValue(qBound(bar->minimum(), bar->value() + steps * bar->singleStep(), bar->maximum()));
}

void Lbprint::keepSelectionVisible() {
    const int row = m_job.SelectedRow();
    if (row < 0)
        return;
    const int top = TwipsToPixels(m_job.rowTop(row));
    const int bottom = TwipsToPixels(m_job.rowTop(row) + m_job.geometry().lineHeight);
    if (top < m_vert->value())
        m_vert->setValue(top);
    else if (bottom > m_vert->value() + m_frm->height())
        m_vert->setValue(qMin(m_vert->maximum(), bottom - m_frm->height()));
}

void Lbprint::pictureKey(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_rangeShown)
            m_apoSel->setFocus();
        break;
    case Qt::Key_Escape:
        closeWindow();
        break;
    case Qt::Key_PageUp:
        ctrl ? firstPage() : previousPage();
        break;
    case Qt::Key_PageDown:
        ctrl ? lastPage() : nextPage();
        break;
    case Qt::Key_Home:
        if (ctrl) {
            m_vert->setValue(0);
            if (m_job.selectEdgeRow(false))
                redraw();
        } else {
            m_oriz->setValue(0);
        }
        break;
    case Qt::Key_End:
        if (ctrl) {
            m_vert->setValue(m_vert->maximum());
            if (m_job.selectEdgeRow(true))
                redraw();
        } else {
            m_oriz->setValue(m_oriz->maximum());
        }
        break;
    case Qt::Key_Left:
        scrollBy(m_oriz, -1);
        break;
    case Qt::Key_Right:
        scrollBy(m_oriz, 1);
        break;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int step = event->key() == Qt::Key_Up ? -1 : 1;
        if (ctrl) {
            scrollBy(m_vert, step);
        } else if (m_job.moveSelection(step)) {
            redraw();
            keepSelectionVisible();
        }
        break;
    }
    case Qt::Key_Plus:
        if (keypad)
            zoomIn();
        break;
    case Qt::Key_Minus:
        if (keypad)
            zoomOut();
        break;
    case Qt::Key_F10:
        printPages(1);
        break;
    case Qt::Key_P:
        if (ctrl)
            printPages(1);
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
}

void Lbprint::pictureClick(QMouseEvent* event) {
    m_pict->setFocus();
    if (event->button() == Qt::RightButton) {
        contextMenu();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (m_job.selectRowAt(PixelsToTwips(1) * event->position().y()))
        redraw();
}

bool Lbprint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_apoSel || watched == m_eosSel) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                if (watched == m_apoSel && m_rangeShown)
                    m_eosSel->setFocus();
                else if (watched == m_eosSel)
                    m_pict->setFocus(); // leaving the last box starts the printing
                return true;
            }
        } else if (event->type() == QEvent::FocusOut && m_rangeShown) {
            auto* box = static_cast<QLineEdit*>(watched);
            FormatNumberField(box, 0, false);
            if (box == m_eosSel)
                rangeLeft();
        }
    }
    return ChildWindow::eventFilter(watched, event);
}
