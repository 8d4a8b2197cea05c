#include "windows/maintenance/EnhXrh.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/maintenance/DocumentFiles.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowNames.h"

#include <QAbstractSlider>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QPdfDocument>
#include <QPdfView>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTimer>

using namespace Qt::StringLiterals;

EnhXrh::EnhXrh(QWidget* parent) : ChildWindow(parent) {
    setObjectName(WindowName::EnhXrh);
    setWindowTitle(u"Εγχειρίδιο Χρήσης"_s);
    m_document = new QPdfDocument(this);
    m_webBr = new QPdfView(this);
    m_webBr->setObjectName(u"WebBr"_s);
    m_webBr->setPageMode(QPdfView::PageMode::MultiPage);
    m_webBr->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    m_webBr->setDocument(m_document);
    m_missing = new QLabel(this);
    m_missing->setObjectName(u"Missing"_s);
    m_missing->setAlignment(Qt::AlignCenter);
    m_missing->setWordWrap(true);
    m_missing->hide();
    m_exitBut = new QPushButton(u"Εξοδος"_s, this);
    m_exitBut->setObjectName(u"ExitBut"_s);
    m_exitBut->setAutoDefault(false);
    connect(m_exitBut, &QPushButton::clicked, this, &ChildWindow::closeWindow);
    setFocusProxy(m_exitBut);
    // The button keeps the focus; the keys that move through a document move the pages.
    auto* keys = new FormKeys(this, m_exitBut, nullptr);
    keys->setExtraKeys([this](QKeyEvent* event) { return scrollKey(event->key()); });

    const QString path = AppFile(ManualFile);
    if (m_document->load(path) != QPdfDocument::Error::None) {
        // In place of the pages, what is wrong and where the manual was looked for.
        m_missing->setText(u"Το εγχειρίδιο χρήσης δεν μπορεί να ανοίξει.\n%1"_s.arg(path));
        m_missing->show();
        m_webBr->hide();
    }
    const QWidget* area = MdiHost::instance();
    const QSize room = area ? area->size() : QSize(1000, 700);
    resize(qMax(600, room.width() * 9 / 10), qMax(400, room.height() * 9 / 10));
    placeAtTwips(150, 150);
    ColourForm(this);
}

bool EnhXrh::scrollKey(int key) {
    static const QHash<int, QAbstractSlider::SliderAction> actions = {
        {Qt::Key_Down, QAbstractSlider::SliderSingleStepAdd},
        {Qt::Key_Up, QAbstractSlider::SliderSingleStepSub},
        {Qt::Key_PageDown, QAbstractSlider::SliderPageStepAdd},
        {Qt::Key_PageUp, QAbstractSlider::SliderPageStepSub},
        {Qt::Key_Home, QAbstractSlider::SliderToMinimum},
        {Qt::Key_End, QAbstractSlider::SliderToMaximum}};
    const auto action = actions.constFind(key);
    if (action == actions.constEnd())
        return false;
    m_webBr->verticalScrollBar()->triggerAction(*action);
    return true;
}

void EnhXrh::resizeEvent(QResizeEvent* event) {
    ChildWindow::resizeEvent(event);
    if (isMinimizedChild())
        return;
    const int buttonHeight = TwipsToPixels(390);
    const QRect pages(0, 0, width(), height() - buttonHeight - TwipsToPixels(40));
    m_webBr->setGeometry(pages);
    m_missing->setGeometry(pages);
    m_exitBut->setGeometry((width() - TwipsToPixels(1300)) / 2, height() - buttonHeight - TwipsToPixels(20),
                           TwipsToPixels(1300), buttonHeight);
    m_exitBut->setFocus();
    if (!m_showedFirstContent && m_document->status() == QPdfDocument::Status::Ready)
        QTimer::singleShot(0, this, &EnhXrh::showFirstContent);
}

void EnhXrh::showFirstContent() {
    if (m_showedFirstContent || !m_webBr->isVisible() || m_document->pageCount() < 1)
        return;
    m_showedFirstContent = true;
    const QSizeF points = m_document->pagePointSize(0);
    if (points.isEmpty())
        return;
    // The first page as the view lays it out: as wide as the viewport inside the margins.
    const QMargins margins = m_webBr->documentMargins();
    const double width = m_webBr->viewport()->width() - margins.left() - margins.right();
    const double height = width * points.height() / points.width();
    const QImage page = m_document->render(0, QSize(200, int(200 * points.height() / points.width())));
    const double ink = FirstInkFraction(page);
    // A little paper above the first line, as a reader expects.
    const int gap = TwipsToPixels(240);
    const int top = qMax(0, int(margins.top() + ink * height) - gap);
    QScrollBar* bar = m_webBr->verticalScrollBar();
    if (bar->maximum() >= top) {
        bar->setValue(top);
        return;
    }
    // The view lays its pages out after it has been sized: the place is taken once the
    // scroll range reaches it.
    auto* wait = new QObject(this);
    connect(bar, &QScrollBar::rangeChanged, wait, [bar, top, wait](int, int maximum) {
        if (maximum < top)
            return;
        bar->setValue(top);
        wait->deleteLater();
    });
}
