#include "windows/maintenance/Manual.h"

#include "logic/core/program/Messages.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/program/Twips.h"
#include "logic/core/services/Services.h"
#include "logic/maintenance/DocumentFiles.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/WindowNames.h"

#include <QFileInfo>
#include <QFont>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QTextDocument>
#include <QTextEdit>

using namespace Qt::StringLiterals;

Manual::Manual(QWidget* parent) : QDialog(parent) {
    setObjectName(WindowName::Manual);
    setWindowTitle(u"Αλλαγές Εκδόσεων"_s);
    m_version = new QTextEdit(this);
    m_version->setObjectName(u"Version"_s);
    m_version->setReadOnly(true);
    m_prtBut = new QPushButton(u"Εκτύπωση"_s, this);
    m_prtBut->setObjectName(u"PrtBut"_s);
    m_exitBut = new QPushButton(u"Εξοδος"_s, this);
    m_exitBut->setObjectName(u"ExitBut"_s);
    for (QPushButton* button : {m_prtBut, m_exitBut})
        button->setAutoDefault(false);
    connect(m_prtBut, &QPushButton::clicked, this, &Manual::printNotes);
    connect(m_exitBut, &QPushButton::clicked, this, &QDialog::reject);
    auto* print = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this);
    connect(print, &QShortcut::activated, this, &Manual::printNotes);

    resize(TwipsSizeToPixels(9600, 7200));
    ColourForm(this);
    loadNotes();
}

void Manual::loadNotes() {
    const QString path = AppFile(VersionNotesFile);
    if (!QFileInfo::exists(path)) {
        ShowMsg(10);
        return;
    }
    const std::optional<QString> text = ReadVersionNotes(path);
    if (!text) {
        ShowMsg(16);
        return;
    }
    // Notes written as formatted text are shown formatted.
    if (Qt::mightBeRichText(*text))
        m_version->setHtml(*text);
    else
        m_version->setPlainText(*text);
}

void Manual::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the screen.
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
    m_version->setFocus();
}

void Manual::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const int gap = TwipsToPixels(45);
    const QSize button = TwipsSizeToPixels(1300, 390);
    m_version->setGeometry(gap, gap, width() - TwipsToPixels(90),
                           height() - button.height() - TwipsToPixels(135));
    const int top = m_version->geometry().bottom() + gap;
    m_prtBut->setGeometry(width() / 2 - button.width() - gap, top, button.width(), button.height());
    m_exitBut->setGeometry(width() / 2 + gap, top, button.width(), button.height());
}

void Manual::printNotes() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    PrintDialogRequest request;
    request.printer = &printer;
    if (!Services::dialogs().printerSetup(request))
        return;
    // The plain text, line by line, in the program's report font.
    QTextDocument document;
    document.setDefaultFont(QFont(u"Courier New"_s, 10));
    document.setPlainText(m_version->toPlainText());
    document.print(&printer);
}
