#include "windows/maintenance/KenaEnt.h"

#include "logic/core/program/Twips.h"
#include "logic/core/services/Services.h"
#include "logic/maintenance/BlankForms.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/WindowNames.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QImageReader>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPrinter>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace {
const QString ProblemTitle = u"Πρόβλημα Εκτύπωσης"_s;
}

KenaEnt::KenaEnt(QWidget* parent) : ChildWindow(parent) {
    setObjectName(WindowName::KenaEnt);
    setWindowTitle(u"Εκτύπωση Κενών Εντύπων"_s);

    m_tools = CreateOutputToolbar(this, {u"Οθόνη"_s, u"Εκτυπωτής"_s, u"Εξοδος"_s}, 0);
    m_tools->actions().at(0)->setVisible(false);
    connect(m_tools->actions().at(0), &QAction::triggered, this, &KenaEnt::printForm);
    connect(m_tools->actions().at(1), &QAction::triggered, this, &KenaEnt::printForm);
    connect(m_tools->actions().at(2), &QAction::triggered, this, &ChildWindow::closeWindow);
    m_tools->addSeparator();
    const struct {
        QString name, caption, theme;
        QKeySequence key;
        void (KenaEnt::*run)();
    } zooms[] = {
        {u"ZoomIn"_s, u"Μεγέθυνση"_s, u"zoom-in"_s, QKeySequence::ZoomIn, &KenaEnt::zoomIn},
        {u"ZoomOut"_s, u"Σμίκρυνση"_s, u"zoom-out"_s, QKeySequence::ZoomOut, &KenaEnt::zoomOut},
        {u"FitWidth"_s, u"Πλάτος σελίδας"_s, u"zoom-fit-width"_s, QKeySequence(u"Ctrl+0"_s),
         &KenaEnt::fitToWidth},
    };
    for (const auto& zoom : zooms) {
        QAction* action = m_tools->addAction(QIcon::fromTheme(zoom.theme), zoom.caption);
        action->setObjectName(zoom.name);
        action->setShortcut(zoom.key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setToolTip(u"%1 (%2)"_s.arg(zoom.caption, zoom.key.toString(QKeySequence::NativeText)));
        connect(action, &QAction::triggered, this, zoom.run);
        addAction(action);
    }

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
    m_frame->installEventFilter(this);
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
    keys->setExtraKeys([this](QKeyEvent* event) { return scrollKey(event); });
    ColourForm(this);

    const QScreen* shown = screen();
    const double dpi = shown ? shown->logicalDotsPerInchX() : 96.0;
    const int screenTwips = shown ? int(std::lround(shown->size().width() * 1440 / dpi)) : 0;
    const QSize size = BlankFormsWindowTwips(screenTwips);
    resizeTwips(size.width(), size.height());
    placeAtTwips(160, 150);
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
        // A new form opens as a whole page's width.
        m_fitWidth = true;
        showPage();
    }
    setScrollRanges();
    m_hScroll->setValue(0);
    m_vScroll->setValue(0);
    scrolled();
}

void KenaEnt::zoomIn() {
    setScale(ZoomedIn(m_scale));
}

void KenaEnt::zoomOut() {
    setScale(ZoomedOut(m_scale));
}

void KenaEnt::fitToWidth() {
    m_fitWidth = true;
    showPage();
}

void KenaEnt::setScale(double scale) {
    if (m_image.isNull())
        return;
    m_fitWidth = false;
    m_scale = scale;
    showPage();
}

void KenaEnt::showPage() {
    if (m_image.isNull())
        return;
    if (m_fitWidth)
        m_scale = FitToWidthScale(m_image.width(), m_frame->contentsRect().width());
    // The place looked at stays in the middle of the viewport as the page grows or shrinks.
    const QSize before = m_pict->size();
    const QPointF middle((m_hScroll->value() + m_frame->width() / 2.0) / qMax(1, before.width()),
                         (m_vScroll->value() + m_frame->height() / 2.0) / qMax(1, before.height()));
    // Drawn once at the screen's own resolution, sharp also on a screen of more dots.
    const QSize shown = (QSizeF(m_image.size()) * m_scale).toSize().expandedTo(QSize(1, 1));
    const qreal ratio = devicePixelRatioF();
    QPixmap page =
        QPixmap::fromImage(m_image.scaled(shown * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    page.setDevicePixelRatio(ratio);
    m_pict->setPixmap(page);
    m_pict->resize(shown);
    setScrollRanges();
    m_hScroll->setValue(int(middle.x() * shown.width() - m_frame->width() / 2.0));
    m_vScroll->setValue(int(middle.y() * shown.height() - m_frame->height() / 2.0));
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

bool KenaEnt::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_frame && event->type() == QEvent::Resize) {
        // The viewport has its new size only now.
        if (m_fitWidth)
            showPage();
        else
            setScrollRanges();
    } else if (watched == m_frame && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const int steps = wheel->angleDelta().y();
        if (wheel->modifiers() & Qt::ControlModifier) {
            if (steps > 0)
                zoomIn();
            else if (steps < 0)
                zoomOut();
        } else {
            QScrollBar* bar = wheel->modifiers() & Qt::ShiftModifier ? m_hScroll : m_vScroll;
            bar->setValue(bar->value() - steps / 120 * 3 * bar->singleStep());
        }
        return true;
    }
    return ChildWindow::eventFilter(watched, event);
}

void KenaEnt::scrolled() {
    // A page narrower than the viewport stands in its middle.
    const int left =
        m_pict->width() < m_frame->width() ? (m_frame->width() - m_pict->width()) / 2 : -m_hScroll->value();
    m_pict->move(left, -m_vScroll->value());
}

bool KenaEnt::scrollKey(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Plus) {
            zoomIn();
            return true;
        }
        if (event->key() == Qt::Key_Minus) {
            zoomOut();
            return true;
        }
    }
    if (event->modifiers() != Qt::NoModifier)
        return false;
    QScrollBar* bar = nullptr;
    int direction = 0;
    switch (event->key()) {
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
    case Qt::Key_PageUp:
        bar = m_vScroll, direction = -qMax(1, m_vScroll->pageStep() / m_vScroll->singleStep());
        break;
    case Qt::Key_PageDown:
        bar = m_vScroll, direction = qMax(1, m_vScroll->pageStep() / m_vScroll->singleStep());
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
    // The job carries the form's own title, not the list's caption.
    printer.setDocName(BlankFormList().at(index).title);
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
