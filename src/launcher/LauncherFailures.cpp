#include "launcher/LauncherFailures.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The system's reasons a user can act on, and what to do about each.
struct Known {
    const char16_t* technical;
    const char16_t* reason;
    const char16_t* advice;
};

const Known KnownReasons[] = {
    {u"Permission denied", u"δεν έχετε δικαίωμα πρόσβασης",
     u"Διαλέξτε άλλο φάκελο, για παράδειγμα τα Έγγραφά σας."},
    {u"is not writable", u"το υπάρχον αρχείο δεν επιτρέπει εγγραφή", u"Διαλέξτε άλλο όνομα ή άλλο φάκελο."},
    {u"δεν επιτρέπει εγγραφή", u"το υπάρχον αρχείο δεν επιτρέπει εγγραφή",
     u"Διαλέξτε άλλο όνομα ή άλλο φάκελο."},
    {u"No space left on device", u"ο δίσκος γέμισε", u"Ελευθερώστε χώρο ή διαλέξτε άλλο δίσκο."},
    {u"Read-only file system", u"ο δίσκος δέχεται μόνο ανάγνωση", u"Διαλέξτε άλλο δίσκο ή φάκελο."},
    {u"No such file or directory", u"ο φάκελος δεν υπάρχει", u"Διαλέξτε έναν φάκελο που υπάρχει."},
    {u"Input/output error", u"ο δίσκος δεν διαβάζεται σωστά",
     u"Ελέγξτε το μέσο εγκατάστασης και δοκιμάστε ξανά."},
};

const Known* Find(const QString& technical) {
    for (const Known& known : KnownReasons) {
        if (technical.contains(QString::fromUtf16(known.technical), Qt::CaseInsensitive))
            return &known;
    }
    return nullptr;
}

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

LauncherFailure IdentityReadFailure(const QString& source, const QString& technical) {
    return {QStringLiteral("Η ταυτότητα εγκατάστασης «%1» δεν διαβάζεται από το μέσο εγκατάστασης.\r\n"
                           "Ελέγξτε ότι το μέσο (USB ή δίσκος) είναι συνδεδεμένο και δοκιμάστε ξανά.")
                .arg(Shown(source)),
            technical};
}

LauncherFailure IdentityWriteFailure(const QString& target, const QString& technical) {
    const QString what =
        QStringLiteral("Το αντίγραφο της ταυτότητας δεν γράφτηκε στο «%1»").arg(Shown(target));
    const QFileInfo file(target);
    const QFileInfo folder(file.absolutePath());
    if (file.isDir())
        return {what + QStringLiteral(": είναι φάκελος.\r\nΔώστε ένα όνομα αρχείου μέσα στον φάκελο."),
                technical};
    if (!folder.isDir())
        return {what + QStringLiteral(": ο φάκελος «%1» δεν υπάρχει.\r\nΔιαλέξτε έναν φάκελο που υπάρχει.")
                           .arg(Shown(folder.filePath())),
                technical};
    if (const Known* known = Find(technical))
        return {what + QStringLiteral(": %1.\r\n%2")
                           .arg(QString::fromUtf16(known->reason), QString::fromUtf16(known->advice)),
                technical};
    return {what + QStringLiteral(".\r\nΔιαλέξτε άλλο όνομα ή άλλο φάκελο."), technical};
}

LauncherFailure InstallerStartFailure(const QString& installer, const QString& technical) {
    const QString what = QStringLiteral("Η εγκατάσταση «%1» δεν μπορεί να ξεκινήσει").arg(Shown(installer));
    // The shell reads the installer, so its execute bit does not matter: what is left is a
    // file that cannot be read, or a system that cannot start the shell.
    if (const Known* known = Find(technical))
        return {what + QStringLiteral(": %1.").arg(QString::fromUtf16(known->reason)), technical};
    return {what + QStringLiteral(".\r\nΕλέγξτε το μέσο εγκατάστασης και δοκιμάστε ξανά."), technical};
}
