#include "windows/internet/NewsKeim.h"

#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "logic/internet/InternetSettings.h"
#include "logic/internet/NewsFailure.h"
#include "logic/internet/NewsReader.h"
#include "logic/internet/NewsText.h"
#include "logic/maintenance/DumFrm.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/FormKeys.h"
#include "windows/core/MdiHost.h"
#include "windows/core/WindowNames.h"
#include "windows/internet/LinkInBrowser.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

// The printer the articles are printed on, as the user last set it up: kept for the run, so
// that the next article goes to the same printer with the same settings.
struct PrinterChoice {
    bool made = false;
    QString printerName;
    QPrinter::OutputFormat format = QPrinter::NativeFormat;
    QString outputFileName;
    QPageLayout layout;
    int copies = 1;
    bool collate = true;
    QPrinter::ColorMode colorMode = QPrinter::Color;
    QPrinter::DuplexMode duplex = QPrinter::DuplexNone;

    void remember(const QPrinter& printer) {
        made = true;
        printerName = printer.printerName();
        format = printer.outputFormat();
        outputFileName = printer.outputFileName();
        layout = printer.pageLayout();
        copies = printer.copyCount();
        collate = printer.collateCopies();
        colorMode = printer.colorMode();
        duplex = printer.duplex();
    }
    void applyTo(QPrinter& printer) const {
        if (!made)
            return;
        printer.setOutputFormat(format);
        if (format == QPrinter::NativeFormat)
            printer.setPrinterName(printerName);
        printer.setOutputFileName(outputFileName);
        printer.setPageLayout(layout);
        printer.setCopyCount(copies);
        printer.setCollateCopies(collate);
        printer.setColorMode(colorMode);
        printer.setDuplex(duplex);
    }
};

PrinterChoice& articlePrinter() {
    static PrinterChoice choice;
    return choice;
}

QList<NewsKeim*> openArticles(MdiHost* host) {
    QList<NewsKeim*> articles;
    for (ChildWindow* window : host->childWindows()) {
        if (auto* article = qobject_cast<NewsKeim*>(window))
            articles << article;
    }
    return articles;
}

} // namespace

NewsKeim* NewsKeim::open(int record, bool byUser) {
    MdiHost* host = MdiHost::instance();
    const NewsServer server = NewsServerFromSettings();
    if (!host || !server.configured())
        return nullptr;
    const QList<NewsKeim*> articles = openArticles(host);
    for (NewsKeim* article : articles) {
        if (article->record() == record) {
            if (QMdiSubWindow* frame = article->subWindow())
                host->setActiveSubWindow(frame);
            article->setFocus();
            return article;
        }
    }
    if (articles.size() >= MostOpen) {
        if (byUser)
            ShowBox(QStringLiteral("Επικοινωνία με την Tavrinex"),
                    QStringLiteral("Είναι ήδη ανοιχτά %1 άρθρα. Κλείστε ένα από αυτά για να ανοίξει άλλο.")
                        .arg(MostOpen),
                    MsgIcon::Information);
        return nullptr;
    }
    QApplication::setOverrideCursor(Qt::BusyCursor);
    const NewsReader::Article loaded = NewsReader::OpenArticle(server, record, Services::clock().now());
    QApplication::restoreOverrideCursor();
    if (!loaded.ok) {
        Failure failure = NewsServerFailure(server, loaded.error);
        failure.text.prepend(QStringLiteral("Το άρθρο δεν μπορεί να ανοίξει.\r\n"));
        ShowFailure(QStringLiteral("ΠΡΟΣΟΧΗ"), failure);
        return nullptr;
    }
    if (!loaded.found) {
        ShowBox(QStringLiteral("ΠΡΟΣΟΧΗ"),
                QStringLiteral("Το άρθρο %1 δεν υπάρχει πια στις ειδήσεις της Tavrinex.").arg(record),
                MsgIcon::Warning);
        return nullptr;
    }
    auto* window = new NewsKeim(record, loaded.article);
    host->addChild(window);
    return window;
}

NewsKeim::NewsKeim(int record, const NewsArticle& article, QWidget* parent)
    : ChildWindow(parent), m_record(record), m_title(article.title.trimmed()) {
    setObjectName(WindowName::NewsKeim);
    setWindowTitle(QStringLiteral("Επικοινωνία με την Tavrinex"));

    m_themLbl = new QLabel(QStringLiteral("Θέμα:") + article.title, this);
    m_themLbl->setObjectName(QStringLiteral("ThemLbl"));
    m_themLbl->setWordWrap(true);
    m_newsTxt = new QTextEdit(this);
    m_newsTxt->setObjectName(QStringLiteral("NewsTxt"));
    m_newsTxt->setReadOnly(true);
    m_newsTxt->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    NewsText::Show(article.text, m_newsTxt->document());
    m_newsTxt->viewport()->installEventFilter(this);
    m_newsTxt->viewport()->setCursor(Qt::IBeamCursor);

    m_saveBut = new QPushButton(QStringLiteral("Αποθ/ση"), this);
    m_saveBut->setObjectName(QStringLiteral("SaveBut"));
    m_prtBut = new QPushButton(QStringLiteral("Εκτύπωση"), this);
    m_prtBut->setObjectName(QStringLiteral("PrtBut"));
    m_exitBut = new QPushButton(QStringLiteral("Εξοδος"), this);
    m_exitBut->setObjectName(QStringLiteral("ExitBut"));
    for (QPushButton* button : {m_saveBut, m_prtBut, m_exitBut})
        button->setAutoDefault(false);
    connect(m_saveBut, &QPushButton::clicked, this, &NewsKeim::save);
    connect(m_prtBut, &QPushButton::clicked, this, &NewsKeim::print);
    connect(m_exitBut, &QPushButton::clicked, this, &ChildWindow::closeWindow);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_saveBut);
    buttons->addWidget(m_prtBut);
    buttons->addStretch(1);
    buttons->addWidget(m_exitBut);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_themLbl);
    layout->addWidget(m_newsTxt, 1);
    layout->addLayout(buttons);
    ColourForm(this);

    // Escape leaves, F10 prints; the arrows and Enter stay with the text.
    auto* keys = new FormKeys(this, m_exitBut, m_prtBut);
    keys->keepKeys(m_newsTxt, {Qt::Key_Up, Qt::Key_Down, Qt::Key_Return, Qt::Key_Enter});

    if (MdiHost* host = MdiHost::instance())
        resize((host->size() * 3 / 5).expandedTo(QSize(480, 320)));
    else
        resize(640, 480);
    // Each article a little lower and to the right of the one before.
    const int open = MdiHost::instance() ? int(MdiHost::instance()->childWindows().size()) : 0;
    move(24 * (open % 6), 24 * (open % 6));
}

bool NewsKeim::blank() const {
    return m_newsTxt->toPlainText().trimmed().isEmpty();
}

void NewsKeim::save() {
    if (blank())
        return;
    const QString folder = Program.AppPath + QStringLiteral("/News");
    QDir().mkpath(folder);
    const QString fileName = ChooseOutputFile(NewsRules::ArticleFileName(Program.AppPath, m_title), {});
    if (fileName.isEmpty())
        return;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) ||
        file.write(m_newsTxt->toPlainText().toUtf8()) < 0 || !file.commit()) {
        Failure failure = FileFailure(FileAction::Write, fileName, file.errorString());
        failure.text.prepend(QStringLiteral("Το άρθρο δεν αποθηκεύτηκε.\r\n"));
        ShowFailure(QStringLiteral("ΠΡΟΣΟΧΗ"), failure);
    }
}

void NewsKeim::print() {
    if (blank())
        return;
    QPrinter printer(QPrinter::HighResolution);
    articlePrinter().applyTo(printer);
    PrintDialogRequest request;
    request.printer = &printer;
    if (!Services::dialogs().printerSetup(request))
        return;
    articlePrinter().remember(printer);
    m_newsTxt->document()->print(&printer);
    emit printed(printer.printerState() != QPrinter::Error);
}

void NewsKeim::clickedAt(int position) {
    const QString link = NewsText::LinkTextAt(*m_newsTxt->document(), position);
    if (link.isEmpty())
        return;
    // The caret goes back to the start, no selection left.
    QTextCursor cursor = m_newsTxt->textCursor();
    cursor.setPosition(0);
    m_newsTxt->setTextCursor(cursor);
    if (!NewsText::OpensInLinks(link))
        return;
    OpenLinkInBrowser(link.trimmed());
}

bool NewsKeim::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_newsTxt->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && !m_newsTxt->textCursor().hasSelection()) {
            const QPointF point = mouse->position() + QPointF(m_newsTxt->horizontalScrollBar()->value(),
                                                              m_newsTxt->verticalScrollBar()->value());
            const int position = m_newsTxt->document()->documentLayout()->hitTest(point, Qt::ExactHit);
            if (position >= 0)
                clickedAt(position);
        }
    }
    return ChildWindow::eventFilter(watched, event);
}
