#include "windows/core/WidgetDialogs.h"

#include <QAbstractPrintDialog>
#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QWidget* dialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

QMessageBox::Icon boxIcon(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::Critical:
        return QMessageBox::Critical;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Question:
        return QMessageBox::Question;
    case MsgIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton standardButton(MsgAnswer answer) {
    switch (answer) {
    case MsgAnswer::Ok:
        return QMessageBox::Ok;
    case MsgAnswer::Cancel:
        return QMessageBox::Cancel;
    case MsgAnswer::Yes:
        return QMessageBox::Yes;
    case MsgAnswer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

} // namespace

MsgAnswer WidgetDialogs::message(const MessageBox& box) {
    QMessageBox dialog(dialogParent());
    dialog.setWindowTitle(box.title);
    // The catalogue writes line breaks as CR LF; a box shows one break per line.
    QString text = box.text;
    dialog.setText(text.replace(QLatin1String("\r\n"), QLatin1String("\n")));
    dialog.setIcon(boxIcon(box.icon));
    // The technical text waits behind the box's «Λεπτομέρειες» button.
    if (!box.details.isEmpty())
        dialog.setDetailedText(box.details);
    // The captions are Qt's own (Εντάξει, Ναι, Όχι, Άκυρο), from the Greek translation.
    struct Choice {
        QMessageBox::StandardButton button;
        MsgAnswer answer;
    };
    std::vector<Choice> choices;
    switch (box.buttons) {
    case MsgButtons::Ok:
        choices = {{QMessageBox::Ok, MsgAnswer::Ok}};
        break;
    case MsgButtons::OkCancel:
        choices = {{QMessageBox::Ok, MsgAnswer::Ok}, {QMessageBox::Cancel, MsgAnswer::Cancel}};
        break;
    case MsgButtons::YesNo:
        choices = {{QMessageBox::Yes, MsgAnswer::Yes}, {QMessageBox::No, MsgAnswer::No}};
        break;
    case MsgButtons::YesNoCancel:
        choices = {{QMessageBox::Yes, MsgAnswer::Yes},
                   {QMessageBox::No, MsgAnswer::No},
                   {QMessageBox::Cancel, MsgAnswer::Cancel}};
        break;
    }
    QMessageBox::StandardButtons buttons;
    for (const Choice& choice : choices)
        buttons |= choice.button;
    dialog.setStandardButtons(buttons);
    dialog.setDefaultButton(standardButton(box.defaultAnswer));
    const int pressed = dialog.exec();
    for (const Choice& choice : choices) {
        if (pressed == choice.button)
            return choice.answer;
    }
    // Closing the box with Esc or its frame counts as its cancelling answer.
    if (box.buttons == MsgButtons::YesNo)
        return MsgAnswer::No;
    return box.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Cancel;
}

std::optional<QString> WidgetDialogs::inputText(const QString& title, const QString& prompt,
                                                const QString& initial) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(dialogParent(), title, prompt, QLineEdit::Normal, initial, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

std::optional<QString> WidgetDialogs::inputPassword(const QString& title, const QString& prompt) {
    bool accepted = false;
    const QString text =
        QInputDialog::getText(dialogParent(), title, prompt, QLineEdit::Password, QString(), &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

QString WidgetDialogs::saveFileName(const FileDialogRequest& request) {
    return QFileDialog::getSaveFileName(dialogParent(), request.title, request.proposedName,
                                        request.filters.join(QLatin1String(";;")), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString WidgetDialogs::openFileName(const FileDialogRequest& request) {
    return QFileDialog::getOpenFileName(dialogParent(), request.title, request.proposedName,
                                        request.filters.join(QLatin1String(";;")));
}

bool WidgetDialogs::printerSetup(const PrintDialogRequest& request) {
    if (!request.printer)
        return false;
    QPrintDialog dialog(request.printer, dialogParent());
    if (request.allowPageRange) {
        dialog.setMinMax(request.minPage, request.maxPage);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    } else {
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    }
    return dialog.exec() == QDialog::Accepted;
}

int WidgetDialogs::popUpMenu(const QStringList& items) {
    QMenu menu(dialogParent());
    menu.setObjectName(QStringLiteral("Menu"));
    for (int i = 0; i < items.size(); ++i) {
        QAction* item = menu.addAction(items.at(i));
        item->setObjectName(QStringLiteral("Mnu_%1").arg(i + 1));
        item->setData(i + 1);
    }
    const QAction* chosen = menu.exec(QCursor::pos());
    return chosen ? chosen->data().toInt() : 0;
}
