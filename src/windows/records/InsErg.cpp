#include "windows/records/InsErg.h"

#include "logic/core/program/Messages.h"
#include "logic/core/services/Services.h"
#include "logic/records/AscFile.h"
#include "logic/records/AscImport.h"
#include "windows/core/FormHelpers.h"
#include "windows/core/ToolbarPictures.h"
#include "windows/core/WindowNames.h"
#include "windows/records/RecordWidgets.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

InsErg::InsErg(QWidget* parent) : ChildWindow(parent) {
    setObjectName(WindowName::InsErg);
    setWindowTitle(QStringLiteral("Εισαγωγή εργαζομένων από ASC αρχείο"));
    auto* label = new QLabel(QStringLiteral("Ονομα Αρχείου:"), this);
    label->setObjectName(QStringLiteral("Lbl"));
    label->setGeometry(TwipsRect(120, 270, 1400, 285));
    // The box takes a whole path, however long the chosen folder's name.
    m_flName = new QLineEdit(this);
    m_flName->setObjectName(QStringLiteral("FlName"));
    m_flName->setGeometry(TwipsRect(1560, 240, 5200, 315));
    SetInputOrder({m_flName});
    setFocusProxy(m_flName);
    auto* find = new QToolButton(this);
    find->setObjectName(QStringLiteral("Find"));
    find->setIcon(
        ToolbarPicture(QStringLiteral("Find.Gif"), QStringLiteral("document-open"), QStyle::SP_DirOpenIcon));
    find->setFocusPolicy(Qt::NoFocus);
    find->setAutoRaise(true);
    find->setGeometry(TwipsRect(6820, 240, 360, 315));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Progress"));
    m_progress->setGeometry(TwipsRect(1560, 750, 5200, 240));
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_eisBut = new QPushButton(QStringLiteral("Εισαγωγή"), this);
    m_eisBut->setObjectName(QStringLiteral("EisBut"));
    m_eisBut->setGeometry(TwipsRect(1560, 1140, 1300, 390));
    m_exitBut = new QPushButton(QStringLiteral("Εξοδος"), this);
    m_exitBut->setObjectName(QStringLiteral("ExitBut"));
    m_exitBut->setGeometry(TwipsRect(3000, 1140, 1300, 390));
    for (QPushButton* button : {m_eisBut, m_exitBut})
        button->setAutoDefault(false);
    connect(find, &QToolButton::clicked, this, &InsErg::chooseFile);
    connect(m_eisBut, &QPushButton::clicked, this, &InsErg::import);
    connect(m_exitBut, &QPushButton::clicked, this, &InsErg::closeWindow);
    new FormKeys(this, m_exitBut, m_eisBut);
    setFixedSize(TwipsRect(0, 0, 7400, 1700).size());
    placeAtTwips(150, 150);
    ColourForm(this);
}

void InsErg::chooseFile() {
    FileDialogRequest request;
    request.title = QStringLiteral("Ονομα αρχείου εισόδου");
    request.proposedName = m_chosenFile;
    request.filters = {QStringLiteral("Αρχεία ASC (*.asc *.Asc *.ASC *.txt)"),
                       QStringLiteral("Όλα τα αρχεία (*)")};
    const QString chosen = Services::dialogs().openFileName(request);
    if (chosen.trimmed().isEmpty())
        return;
    m_chosenFile = chosen;
    m_flName->setText(chosen);
}

void InsErg::import() {
    const QString path = m_flName->text().trimmed();
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        ShowMsg(10);
        return;
    }
    // A file that cannot be read, or is no text at all, is refused before the question.
    QString error;
    const std::optional<AscLines> lines = ReadAscFile(path, &error);
    if (!lines) {
        ShowBox(QStringLiteral("ΠΡΟΣΟΧΗ"),
                QStringLiteral("Το αρχείο %1 δεν μπορεί να διαβαστεί.\r\n%2").arg(path, error),
                MsgIcon::Critical);
        return;
    }
    if (!AskYesNo(
            QStringLiteral("ΠΡΟΣΟΧΗ"),
            QStringLiteral("Η εργασία θα εισάγει από το αρχείο τους εργαζόμενους, που δεν υπάρχουν ήδη στο "
                           "πρόγραμμα."),
            MsgIcon::Information, MsgAnswer::Yes))
        return;

    m_progress->setRange(0, std::max(1, int(lines->size())));
    m_progress->setValue(0);
    m_progress->show();
    const AscImportResult result = ImportAscLines(*lines, [this](int done, int) {
        m_progress->setValue(done);
        m_progress->repaint();
    });
    m_progress->hide();
    if (!result.status.ok()) {
        ShowDatabaseError(result.status);
        return;
    }
    std::optional<MessageBox> box = CatalogueMessage(27);
    if (!box)
        return;
    const QString skipped = SkippedLinesText(result);
    if (!skipped.isEmpty())
        box->text += QStringLiteral("\r\n") + skipped;
    Services::dialogs().message(*box);
}
