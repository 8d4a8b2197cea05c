// Takes the pictures of the program's windows that the user manual shows: the real windows,
// opened on a data folder of sample records, drawn on the offscreen platform. Run by the
// build.
//     orva_window_pictures OUTPUT

#include "logic/core/commandline/Console.h"
#include "logic/core/database/Database.h"
#include "logic/core/database/SubmissionStatements.h"
#include "logic/core/files/DataFolder.h"
#include "logic/core/files/IniSettings.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/services/Services.h"
#include "logic/core/services/SystemServices.h"
#include "logic/maintenance/BackupVolumes.h"
#include "shell/Main.h"
#include "shell/SettingsJoin.h"
#include "shell/Windows.h"
#include "windows/core/ChildWindow.h"
#include "windows/core/Lbenter.h"
#include "windows/core/MdiHost.h"
#include "windows/core/RythmEgk.h"
#include "windows/internet/InterApi.h"
#include "windows/maintenance/BackRest.h"
#include "windows/maintenance/KenaEnt.h"
#include "windows/maintenance/Manual.h"
#include "windows/print/EpilKins.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The work date of the pictures, so that they come out the same at every build.
const QDate PictureDate(2026, 11, 16);

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QApplication::sendPostedEvents();
    }
}

bool save(QWidget* widget, const QDir& output, const QString& name) {
    settle();
    const QPixmap picture = widget->grab();
    if (!picture.save(output.filePath(name + u".png"_s))) {
        std::fprintf(stderr, "orva_window_pictures: %s not written\n", qPrintable(name));
        return false;
    }
    return true;
}

// A child window with its frame and title, as the user sees it inside the main window.
bool saveChild(ChildWindow* window, const QDir& output, const QString& name) {
    if (!window) {
        std::fprintf(stderr, "orva_window_pictures: window %s did not open\n", qPrintable(name));
        return false;
    }
    const bool saved =
        save(window->subWindow() ? static_cast<QWidget*>(window->subWindow()) : window, output, name);
    window->closeWindow();
    settle();
    return saved;
}

void fillSampleRecords() {
    QSqlQuery query(DbConnection());
    query.exec(u"Update Param Set TaxisCode='alfa2026', TaxisPass='********', IkaCode='alfaika', "
               "IkaPass='********', SmtpServer='mail.alfa-emporiki.gr', Cemail='grafeio@alfa-emporiki.gr', "
               "Lemail='logistis@example.gr', Cepon='ΑΛΦΑ ΕΜΠΟΡΙΚΗ Α.Ε.'"_s);
    const QList<QStringList> employees = {
        {u"034512879"_s, u"ΑΝΤΩΝΙΟΥ ΜΑΡΙΑ"_s, u"120"_s},
        {u"046712395"_s, u"ΒΑΣΙΛΕΙΟΥ ΓΕΩΡΓΙΟΣ"_s, u"120"_s},
        {u"058233105"_s, u"ΓΕΩΡΓΙΑΔΗΣ ΝΙΚΟΛΑΟΣ"_s, u"045"_s},
        {u"061498721"_s, u"ΔΗΜΗΤΡΙΟΥ ΕΛΕΝΗ"_s, u"120"_s},
        {u"073355196"_s, u"ΕΥΑΓΓΕΛΟΥ ΚΩΝΣΤΑΝΤΙΝΟΣ"_s, u"045"_s},
        {u"085620934"_s, u"ΖΑΦΕΙΡΙΟΥ ΑΙΚΑΤΕΡΙΝΗ"_s, u"120"_s},
        {u"097104469"_s, u"ΘΕΟΔΩΡΟΥ ΙΩΑΝΝΗΣ"_s, u"120"_s},
        {u"102938470"_s, u"ΚΑΡΑΓΙΑΝΝΗ ΣΟΦΙΑ"_s, u"071"_s},
        {u"114455776"_s, u"ΛΑΜΠΡΟΥ ΠΑΝΑΓΙΩΤΗΣ"_s, u"120"_s},
        {u"126677014"_s, u"ΜΙΧΑΗΛΙΔΟΥ ΑΝΝΑ"_s, u"045"_s},
        {u"138890258"_s, u"ΝΙΚΟΛΑΟΥ ΔΗΜΗΤΡΙΟΣ"_s, u"120"_s},
        {u"141122582"_s, u"ΠΑΠΑΔΟΠΟΥΛΟΥ ΧΡΙΣΤΙΝΑ"_s, u"071"_s},
    };
    query.prepare(u"Insert Into Ergaz (Eafm, Eepon, Eypo) Values (?, ?, ?)"_s);
    for (const QStringList& employee : employees) {
        for (const QString& value : employee)
            query.addBindValue(value);
        query.exec();
    }
    const QStringList hours = {u"16:00-18:00"_s, u"17:00-19:30"_s, u"15:00-17:00"_s, u"18:00-20:00"_s};
    query.prepare(u"Insert Into Kins (Eafm, Kdate, Korario, Kparat) Values (?, ?, ?, ?)"_s);
    for (int day = 2; day <= 16; day += 2) {
        for (int e = day % 3; e < employees.size(); e += 3) {
            query.addBindValue(employees[e][0]);
            query.addBindValue(PictureDate.addDays(day - 16).toString(u"yyyyMMdd"_s));
            query.addBindValue(hours[(day + e) % hours.size()]);
            query.addBindValue(e % 2 ? u"Απογραφή αποθήκης"_s : u"Παραλαβή εμπορευμάτων"_s);
            query.exec();
        }
    }
    UpdateApiAccount({u"alfa-ws"_s, u"********"_s});
    // The first week's entries went through the API, one of them from the page.
    QList<SubmissionRow> sent;
    for (int day = 2; day <= 6; day += 2) {
        const QString date = PictureDate.addDays(day - 16).toString(u"yyyyMMdd"_s);
        const QString at = PictureDate.addDays(day - 15).toString(u"yyyy-MM-dd"_s);
        for (int e = day % 3; e < employees.size(); e += 3) {
            const QString worked = hours[(day + e) % hours.size()];
            if (day == 4 && e == 1)
                sent << SubmissionRow{employees[e][0],
                                      date,
                                      u"page"_s,
                                      u"accepted"_s,
                                      {},
                                      {},
                                      {},
                                      worked,
                                      at + u" 09:12:40.000"_s,
                                      u"Proofs/proof.pdf"_s};
            else
                sent << SubmissionRow{employees[e][0],
                                      date,
                                      u"api"_s,
                                      u"accepted"_s,
                                      u"ΕΥ%1"_s.arg(2611000 + day * 10 + e),
                                      at.mid(8, 2) + u'/' + at.mid(5, 2) + u'/' + at.left(4) + u" 09:05"_s,
                                      QString::number(884000 + day),
                                      worked,
                                      at + u" 09:05:10.000"_s,
                                      {}};
        }
    }
    InsertSubmissions(sent);
}

// The day of the pictures, whatever day the build runs.
class PictureClock : public Clock {
public:
    QDateTime now() const override { return QDateTime(PictureDate, QTime(10, 30)); }
};

// Where a user's files are, in place of the build's temporary folders in the pictures.
const QString UsersDataFolder = u"/home/grafeio/.local/share/Orva/Orva"_s;
const QString UsersStick = u"/media/grafeio/KINGSTON"_s;

void showUsersFolder(QWidget* window, const QString& temporary) {
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().contains(temporary))
            label->setText(label->text().replace(temporary, UsersDataFolder));
    }
}

bool takePictures(Main& main, const QDir& output, const QString& stick) {
    showUsersFolder(&main, Program.AppPath);
    bool ok = save(&main, output, u"Main"_s);
    {
        Lbenter workDate(&main);
        workDate.show();
        ok &= save(&workDate, output, u"Lbenter"_s);
    }
    Program.EmployeeListFromMenu = true;
    main.openByName(u"ErgazSrch"_s);
    ok &= saveChild(main.mdi()->findChildWindow(u"ErgazSrch"_s), output, u"ErgazSrch"_s);
    Program.BridgeMode[0] = 2;
    Program.BridgeKey[0] = u"058233105"_s.leftJustified(14);
    ok &= saveChild(main.mdi()->openChild(u"Ergaz"_s), output, u"Ergaz"_s);
    // An entry of the sample records, loaded for change.
    Program.BridgeKey[1] =
        u"058233105"_s.leftJustified(14) + PictureDate.addDays(-14).toString(u"dd/MM/yyyy"_s);
    ok &= saveChild(main.mdi()->openChild(u"Kins"_s), output, u"Kins"_s);
    if (ChildWindow* import = main.mdi()->openChild(u"InsErg"_s)) {
        if (auto* name = import->findChild<QLineEdit*>(u"FlName"_s))
            name->setText(u"/home/grafeio/Μισθοδοσία/Εργαζόμενοι.asc"_s);
        ok &= saveChild(import, output, u"InsErg"_s);
    }
    ok &= saveChild(main.mdi()->openChild(u"EpilErgaz"_s), output, u"EpilErgaz"_s);
    ok &= saveChild(main.mdi()->openChild(u"IstYpob"_s), output, u"IstYpob"_s);
    {
        // The second week, as the batch window hands it to the API.
        Program.SendBatch = {PictureDate.addDays(-9).toString(u"dd/MM/yyyy"_s),
                             PictureDate.toString(u"dd/MM/yyyy"_s),
                             {},
                             {},
                             {},
                             {}};
        InterApi preview(&main);
        preview.show();
        ok &= save(&preview, output, u"InterApi"_s);
    }
    ok &= saveChild(main.mdi()->openChild(u"ParamDt"_s), output, u"ParamDt"_s);
    {
        RythmEgk settings(&main);
        settings.show();
        settings.findChild<QListWidget*>(u"Sections"_s)->setCurrentRow(2);
        showUsersFolder(&settings, Program.AppPath);
        ok &= save(&settings, output, u"RythmEgk"_s);
    }
    if (auto* selection = static_cast<EpilKins*>(main.mdi()->openChild(u"EpilKins"_s))) {
        if (auto* from = selection->findChild<QLineEdit*>(u"Dates_0"_s))
            from->setText(PictureDate.addDays(-15).toString(u"dd/MM/yyyy"_s));
        ok &= save(selection->subWindow(), output, u"EpilKins"_s);
        selection->runReport();
        settle();
        ok &= saveChild(main.mdi()->findChildWindow(u"Lbprint"_s), output, u"Lbprint"_s);
        selection->closeWindow();
    }
    if (auto* forms = static_cast<KenaEnt*>(main.mdi()->openChild(u"KenaEnt"_s))) {
        forms->findChild<QComboBox*>(u"EntEpil"_s)->setCurrentIndex(13);
        forms->chooseForm(13);
        ok &= saveChild(forms, output, u"KenaEnt"_s);
    }
    {
        BackupVolume usb{u"KINGSTON"_s, stick};
        usb.removable = true;
        usb.bytesTotal = 15'518'924'800;
        usb.bytesFree = 12'204'113'920;
        BackupVolume home{u"Προσωπικός φάκελος"_s, u"/home/grafeio"_s};
        SetBackupVolumeSource([=] { return ArrangeBackupVolumes({usb}, home); });
        BackRest backup(&main);
        backup.show();
        backup.findChild<QComboBox*>(u"Disk"_s)->setCurrentIndex(0);
        backup.chooseDisk(0);
        auto* disk = backup.findChild<QComboBox*>(u"Disk"_s);
        disk->setItemText(0, disk->itemText(0).replace(stick, UsersStick));
        showUsersFolder(&backup, Program.AppPath);
        ok &= save(&backup, output, u"BackRest"_s);
        backup.done(0);
        SetBackupVolumeSource({});
    }
    {
        Manual notes(&main);
        notes.show();
        ok &= save(&notes, output, u"Manual"_s);
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Orva"_s);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: orva_window_pictures OUTPUT\n");
        return 2;
    }
    const QDir output(arguments[1]);
    QTemporaryDir folder;
    if (!folder.isValid() || !output.mkpath(u"."_s)) {
        std::fprintf(stderr, "orva_window_pictures: no folder to work in\n");
        return 1;
    }
    JoinOrvaSettings();
    Services::install(std::make_unique<ConsoleDialogs>());
    Services::install(std::make_unique<PictureClock>());
    Services::install(std::make_unique<SystemProcesses>());
    const QString data = folder.filePath(u"data"_s);
    if (const QString error = PrepareDataFolder(data); !error.isEmpty()) {
        std::fprintf(stderr, "orva_window_pictures: %s\n", qPrintable(error));
        return 1;
    }
    Program.AppPath = data;
    Services::install(std::make_unique<IniSettings>(AppFile(u"Orva.ini"_s)));
    if (!OpenDatabase())
        return 1;
    fillSampleRecords();
    CloseDatabase();
    QDir(folder.path()).mkdir(u"stick"_s);

    RegisterWindows();
    // The work date of the start-up is taken as the window offers it.
    QTimer acceptWorkDate;
    QObject::connect(&acceptWorkDate, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            dialog && dialog->objectName() == u"Lbenter"_s)
            dialog->accept();
    });
    acceptWorkDate.start(20);
    int result = 1;
    {
        Main main;
        main.resize(1024, 720);
        main.show();
        for (int i = 0; i < 100 && !main.firstActivationDone() && !main.hasEnded(); ++i) {
            settle();
            QThread::msleep(20);
        }
        acceptWorkDate.stop();
        if (main.firstActivationDone() && !main.hasEnded())
            result = takePictures(main, output, folder.filePath(u"stick"_s)) ? 0 : 1;
        else
            std::fprintf(stderr, "orva_window_pictures: the main window did not start\n");
    }
    return result;
}
