#include "launcher/LauncherDialogs.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(LauncherDialogs::Icon icon) {
    return icon == LauncherDialogs::Icon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}

} // namespace

void WidgetLauncherDialogs::inform(const QString& title, const QString& text, Icon icon,
                                   const QString& details) {
    QString lines = text;
    QMessageBox box(boxIcon(icon), title, lines.replace(QLatin1String("\r\n"), QLatin1String("\n")),
                    QMessageBox::Ok, m_parent);
    if (!details.isEmpty())
        box.setDetailedText(details);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Εντάξει"));
    box.exec();
}

bool WidgetLauncherDialogs::askYesNo(const QString& title, const QString& text, Icon icon) {
    QMessageBox box(boxIcon(icon), title, text, QMessageBox::Yes | QMessageBox::No, m_parent);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ναι"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Όχι"));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString WidgetLauncherDialogs::saveFileName(const QString& proposedName, const QString& filterName,
                                            const QString& pattern) {
    QFileDialog dialog(m_parent, QStringLiteral("Ταυτότητα εγκατάστασης"), QDir::homePath(),
                       QStringLiteral("%1 (%2)").arg(filterName, pattern));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(proposedName);
    dialog.setDefaultSuffix(QStringLiteral("Bt"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Φάκελος:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Όνομα αρχείου:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Τύπος αρχείων:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Αποθήκευση"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Άκυρο"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
