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
#include "windows/core/WindowCommands.h"
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
    buildCommands();
    buildToolbar();
    showRangeBoxes(false);
    ColourForm(this);
}

Lbprint::~Lbprint() = default;

void Lbprint::buildCommands() {
    m_commands = new WindowCommands(this, WindowCommands::Modifiers::AtLeast);
    const auto add = [this](const QString& name, const QString& text, const QList<QKeySequence>& keys,
                            std::function<void()> run) { m_commands->add(name, text, keys, std::move(run)); };
    // The toolbar's buttons.
    add(u"PrintMenu"_s, u"Εκτύπωση"_s, {}, [this] { printMenu(); });
    add(u"FirstPage"_s, u"Πρώτη Σελίδα"_s, {Qt::CTRL | Qt::Key_PageUp}, [this] { firstPage(); });
    add(u"PreviousPage"_s, u"Προηγούμενη Σελίδα"_s, {Qt::Key_PageUp}, [this] { previousPage(); });
    add(u"NextPage"_s, u"Επόμενη Σελίδα"_s, {Qt::Key_PageDown}, [this] { nextPage(); });
    add(u"LastPage"_s, u"Τελευταία Σελίδα"_s, {Qt::CTRL | Qt::Key_PageDown}, [this] { lastPage(); });
    add(u"Export"_s, u"Εξαγωγή"_s, {}, [this] { exportMenu(); });
    add(u"ZoomIn"_s, u"Μεγέθυνση"_s, {Qt::KeypadModifier | Qt::Key_Plus}, [this] { zoomIn(); });
    add(u"ZoomOut"_s, u"Σμίκρυνση"_s, {Qt::KeypadModifier | Qt::Key_Minus}, [this] { zoomOut(); });
    add(u"Bridges"_s, u"Γέφυρες Αρχείων"_s, {}, [this] { bridges(); });
    add(u"Exit"_s, u"Εξοδος"_s, {Qt::Key_Escape}, [this] { closeWindow(); });
    // The page picture's own keys.
    add(u"PrintAll"_s, u"Εκτύπωση όλων"_s, {Qt::Key_F10, Qt::CTRL | Qt::Key_P}, [this] { printPages(1); });
    add(u"PageRange"_s, u"Από/Εως Σελίδα"_s, {Qt::Key_Return, Qt::Key_Enter}, [this] {
        if (m_rangeShown)
            m_apoSel->setFocus();
    });
    add(u"ScrollLeft"_s, u"Αριστερά"_s, {Qt::Key_Left}, [this] { scrollBy(m_oriz, -1); });
    add(u"ScrollRight"_s, u"Δεξιά"_s, {Qt::Key_Right}, [this] { scrollBy(m_oriz, 1); });
    add(u"ScrollUp"_s, u"Πάνω"_s, {Qt::CTRL | Qt::Key_Up}, [this] { scrollBy(m_vert, -1); });
    add(u"ScrollDown"_s, u"Κάτω"_s, {Qt::CTRL | Qt::Key_Down}, [this] { scrollBy(m_vert, 1); });
    add(u"LeftEdge"_s, u"Αρχή γραμμής"_s, {Qt::Key_Home}, [this] { m_oriz->setValue(0); });
    add(u"RightEdge"_s, u"Τέλος γραμμής"_s, {Qt::Key_End}, [this] { m_oriz->setValue(m_oriz->maximum()); });
    add(u"FirstRow"_s, u"Πρώτη γραμμή"_s, {Qt::CTRL | Qt::Key_Home}, [this] { selectEdgeRow(false); });
    add(u"LastRow"_s, u"Τελευταία γραμμή"_s, {Qt::CTRL | Qt::Key_End}, [this] { selectEdgeRow(true); });
    add(u"RowUp"_s, u"Προηγούμενη γραμμή"_s, {Qt::Key_Up}, [this] { moveSelection(-1); });
    add(u"RowDown"_s, u"Επόμενη γραμμή"_s, {Qt::Key_Down}, [this] { moveSelection(1); });
}

void Lbprint::buildToolbar() {
    struct Picture {
        QString file;
        QString theme;
        QStyle::StandardPixmap standard;
    };
    // The buttons by command, with their pictures.
    const QList<std::pair<QString, Picture>> buttons = {
        {u"PrintMenu"_s, {u"Print.Gif"_s, u"document-print"_s, QStyle::SP_FileDialogDetailedView}},
        {u"FirstPage"_s, {u"First.Gif"_s, u"go-first"_s, QStyle::SP_MediaSkipBackward}},
        {u"PreviousPage"_s, {u"Previous.Gif"_s, u"go-previous"_s, QStyle::SP_ArrowLeft}},
        {u"NextPage"_s, {u"Next.Gif"_s, u"go-next"_s, QStyle::SP_ArrowRight}},
        {u"LastPage"_s, {u"Last.Gif"_s, u"go-last"_s, QStyle::SP_MediaSkipForward}},
        {u"Export"_s, {u"Export.Gif"_s, u"document-save-as"_s, QStyle::SP_DialogSaveButton}},
        {u"ZoomIn"_s, {u"ZoomIn.Gif"_s, u"zoom-in"_s, QStyle::SP_TitleBarMaxButton}},
        {u"ZoomOut"_s, {u"ZoomOut.Gif"_s, u"zoom-out"_s, QStyle::SP_TitleBarMinButton}},
        {u"Bridges"_s, {u"Bridge.Gif"_s, u"go-jump"_s, QStyle::SP_FileDialogToParent}},
        {u"Exit"_s, {u"Exit.Gif"_s, u"application-exit"_s, QStyle::SP_DialogCloseButton}},
    };
    for (int i = 0; i < buttons.size(); ++i) {
        const auto& [name, picture] = buttons.at(i);
        QAction* action = m_commands->action(name);
        action->setIcon(ToolbarPicture(picture.file, picture.theme, picture.standard));
        action->setObjectName(u"Tools_%1"_s.arg(i + 1));
        m_tools->addAction(action);
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
    const int buttonsWidth = m_tools->actionGeometry(m_commands->action(u"Exit"_s)).right() + 8;
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
    if (m_commands->press(event))
        event->accept();
    else
        event->ignore();
}

void Lbprint::selectEdgeRow(bool last) {
    m_vert->setValue(last ? m_vert->maximum() : 0);
    if (m_job.selectEdgeRow(last))
        redraw();
}

void Lbprint::moveSelection(int step) {
    if (m_job.moveSelection(step)) {
        redraw();
        keepSelectionVisible();
    }
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
