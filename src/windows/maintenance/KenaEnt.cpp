#include "windows/maintenance/KenaEnt.h"

#include "logic/core/program/Twips.h"
#include "logic/core/services/Services.h"
#include "logic/maintenance/BlankForms.h"
#include "windows/core/FormHelpers.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPrinter>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace {
const QString ProblemTitle = u"Πρόβλημα Εκτύπωσης"_s;
}

KenaEnt::KenaEnt(QWidget* parent) : ChildWindow(parent) {
    setObjectName(u"KenaEnt"_s);
    setWindowTitle(u"Εκτύπωση Κενών Εντύπων"_s);

    m_tools = CreateOutputToolbar(this, {u"Οθόνη"_s, u"Εκτυπωτής"_s, u"Εξοδος"_s}, 0);
    m_tools->actions().at(0)->setVisible(false);
    connect(m_tools->actions().at(0), &QAction::triggered, this, &KenaEnt::printForm);
    connect(m_tools->actions().at(1), &QAction::triggered, this, &KenaEnt::printForm);
    connect(m_tools->actions().at(2), &QAction::triggered, this, &ChildWindow::closeWindow);

    auto* caption = new QLabel(u"Επιλογή Εντύπου"_s, this);
    caption->setObjectName(u"Lbl"_s);
    m_entEpil = new QComboBox(this);
    m_entEpil->setObjectName(u"EntEpil"_s);
    for (const BlankFormEntry& form : BlankFormList())
        m_entEpil->addItem(form.caption);
    m_entEpil->setCurrentIndex(-1);
    m_entEpil->setMaxVisibleItems(28);
    caption->setBuddy(m_entEpil);
    connect(m_entEpil, &QComboBox::activated, this, &KenaEnt::chooseForm);

    m_frame = new QFrame(this);
    m_frame->setObjectName(u"Frame"_s);
    m_frame->setFrameShape(QFrame::StyledPanel);
    m_frame->setBackgroundRole(QPalette::Dark);
    m_frame->setAutoFillBackground(true);
    m_pict = new QLabel(m_frame);
    m_pict->setObjectName(u"Pict"_s);
    m_pict->setFocusPolicy(Qt::StrongFocus);
    m_hScroll = new QScrollBar(Qt::Horizontal, this);
    m_hScroll->setObjectName(u"HScroll"_s);
    m_vScroll = new QScrollBar(Qt::Vertical, this);
    m_vScroll->setObjectName(u"VScroll"_s);
    for (QScrollBar* bar : {m_hScroll, m_vScroll}) {
        bar->setRange(0, 0);
        bar->setSingleStep(40);
        connect(bar, &QScrollBar::valueChanged, this, &KenaEnt::scrolled);
    }

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 0, 4, 4);
    grid->addWidget(m_tools, 0, 0, 1, 3);
    grid->addWidget(caption, 1, 0);
    grid->addWidget(m_entEpil, 1, 1, 1, 2);
    grid->addWidget(m_frame, 2, 0, 1, 2);
    grid->addWidget(m_vScroll, 2, 2);
    grid->addWidget(m_hScroll, 3, 0, 1, 2);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(1, 1);

    SetInputOrder({m_entEpil});
    auto* keys = new FormKeys(this, nullptr, nullptr);
    keys->setExitAction([this] { closeWindow(); });
    keys->setAcceptAction([this] { printForm(); });
    keys->setExtraKeys(
        [this](QKeyEvent* event) { return event->modifiers() == Qt::NoModifier && scrollKey(event->key()); });
    ColourForm(this);

    const QScreen* shown = screen();
    const double dpi = shown ? shown->logicalDotsPerInchX() : 96.0;
    const int screenTwips = shown ? int(std::lround(shown->size().width() * 1440 / dpi)) : 0;
    const QSize size = BlankFormsWindowTwips(screenTwips);
    resizeTwips(size.width(), size.height());
    placeAtTwips(160, 150);
}

void KenaEnt::activated() {
    if (m_checkedFonts)
        return;
    m_checkedFonts = true;
    const QScreen* shown = screen();
    if (shown && LargeFontsScreen(shown->logicalDotsPerInchY())) {
        ShowBox(ProblemTitle, u"Απαιτούνται μικρές γραμματοσειρές. Επικοινωνήστε με τη Tavrinex."_s,
                MsgIcon::None);
        QTimer::singleShot(0, this, &ChildWindow::closeWindow);
    }
}

void KenaEnt::chooseForm(int index) {
    const QString path = BlankFormPicture(index);
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull()) {
        // The previous picture stays; the numbers are the ones the program has always shown.
        const bool missing = !QFileInfo::exists(path);
        const QString reason = missing
                                   ? u"53 Το αρχείο %1 δεν υπάρχει."_s.arg(path)
                                   : u"481 Η εικόνα %1 δεν διαβάζεται: %2"_s.arg(path, reader.errorString());
        ShowBox(ProblemTitle, u"Λάθος εκτύπωσης: "_s + reason, MsgIcon::None);
    } else {
        m_image = image;
        m_pict->setPixmap(QPixmap::fromImage(m_image));
        m_pict->resize(m_image.size());
    }
    setScrollRanges();
    m_hScroll->setValue(0);
    m_vScroll->setValue(0);
    scrolled();
}

void KenaEnt::setScrollRanges() {
    m_hScroll->setMaximum(qMax(0, m_pict->width() - m_frame->width()));
    m_vScroll->setMaximum(qMax(0, m_pict->height() - m_frame->height()));
    m_hScroll->setPageStep(qMax(1, m_frame->width()));
    m_vScroll->setPageStep(qMax(1, m_frame->height()));
}

void KenaEnt::resizeEvent(QResizeEvent* event) {
    ChildWindow::resizeEvent(event);
    setScrollRanges();
}

void KenaEnt::scrolled() {
    m_pict->move(-m_hScroll->value(), -m_vScroll->value());
}

bool KenaEnt::scrollKey(int key) {
    QScrollBar* bar = nullptr;
    int direction = 0;
    switch (key) {
    case Qt::Key_Up:
        bar = m_vScroll, direction = -1;
        break;
    case Qt::Key_Down:
        bar = m_vScroll, direction = 1;
        break;
    case Qt::Key_Left:
        bar = m_hScroll, direction = -1;
        break;
    case Qt::Key_Right:
        bar = m_hScroll, direction = 1;
        break;
    default:
        return false;
    }
    // The bar keeps the value within its minimum and maximum.
    bar->setValue(bar->value() + direction * bar->singleStep());
    m_pict->setFocus();
    return true;
}

void KenaEnt::printForm() {
    const int index = m_entEpil->currentIndex();
    if (index < 0 || m_image.isNull())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(false);
    printer.setDocName(BlankFormList().at(index).caption);
    const QPageLayout::Orientation orientation =
        BlankFormList().at(index).landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    printer.setPageOrientation(orientation);
    PrintDialogRequest request;
    request.printer = &printer;
    if (!Services::dialogs().printerSetup(request))
        return;
    printer.setPageOrientation(orientation);
    // A printer that cannot start prints nothing and says nothing, as a cancelled dialog.
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, printer.width(), printer.height()), m_image);
    painter.end();
}
