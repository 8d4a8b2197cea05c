#include "TestDataFolder.h"
#include "logic/core/files/ColourSettings.h"
#include "logic/core/program/ProgramValues.h"
#include "windows/core/FormHelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>

namespace {

// Every colour different, so that a colour in the wrong place shows.
ColourSettings DistinctColours() {
    ColourSettings c = ColourSettings::defaults();
    c.LabelFore = 0x000011;
    c.FieldFore = 0x002200;
    c.WindowBack = 0x330000;
    c.LabelBack = 0x444444;
    c.FieldBack = 0x555555;
    return c;
}

QColor Colour(QWidget* widget, QPalette::ColorRole role) {
    return widget->palette().color(role);
}

template <typename T> T* Named(QWidget* parent, const QString& name) {
    auto* widget = new T(parent);
    widget->setObjectName(name);
    return widget;
}

QToolBar* ToolbarWith(QWidget* parent, int buttons) {
    auto* toolbar = new QToolBar(parent);
    for (int i = 1; i <= buttons; ++i) {
        QAction* action = toolbar->addAction(QStringLiteral("tip %1").arg(i));
        action->setObjectName(QStringLiteral("Tools_%1").arg(i));
    }
    return toolbar;
}

// A picture file in the data folder, one colour all over, saved under the given name.
void WritePicture(const QString& name, Qt::GlobalColor colour) {
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(colour);
    QVERIFY(picture.save(AppFile(name), "PNG"));
}

QColor IconCentre(const QAction* action) {
    return action->icon().pixmap(16, 16).toImage().pixelColor(8, 8);
}

} // namespace

class FormLookTest : public QObject {
    Q_OBJECT
private slots:
    void init() { ResetProgramValues(); }

    void colourFormPaintsEachKindOfControl() {
        Program.Colours = DistinctColours();
        const ColourSettings& c = Program.Colours;
        QWidget window;
        auto* caption = Named<QLabel>(&window, QStringLiteral("Lbl_3"));
        auto* single = Named<QLabel>(&window, QStringLiteral("Lbl"));
        auto* dataLabel = Named<QLabel>(&window, QStringLiteral("Eepon"));
        auto* lookalike = Named<QLabel>(&window, QStringLiteral("LblX"));
        auto* frame = Named<QGroupBox>(&window, QStringLiteral("Frame1"));
        auto* box = Named<QLineEdit>(frame, QStringLiteral("Eafm"));
        auto* combo = Named<QComboBox>(&window, QStringLiteral("Eypo"));
        auto* check = Named<QCheckBox>(&window, QStringLiteral("Chk"));
        auto* button = Named<QPushButton>(&window, QStringLiteral("ExitBut"));
        const QColor buttonBefore = Colour(button, QPalette::Button);

        ColourForm(&window);

        QVERIFY(window.autoFillBackground());
        QCOMPARE(Colour(&window, QPalette::Window), ToQColor(c.WindowBack));
        for (QLabel* label : {caption, single}) {
            QVERIFY(label->autoFillBackground());
            QCOMPARE(Colour(label, QPalette::Window), ToQColor(c.LabelBack));
            QCOMPARE(Colour(label, QPalette::WindowText), ToQColor(c.LabelFore));
        }
        for (QLabel* label : {dataLabel, lookalike}) {
            QCOMPARE(Colour(label, QPalette::Window), ToQColor(c.FieldBack));
            QCOMPARE(Colour(label, QPalette::WindowText), ToQColor(c.FieldFore));
        }
        for (QWidget* field : {static_cast<QWidget*>(box), static_cast<QWidget*>(combo)}) {
            QCOMPARE(Colour(field, QPalette::Base), ToQColor(c.FieldBack));
            QCOMPARE(Colour(field, QPalette::Text), ToQColor(c.FieldFore));
        }
        QCOMPARE(Colour(check, QPalette::Window), ToQColor(c.LabelBack));
        QCOMPARE(Colour(check, QPalette::WindowText), ToQColor(c.LabelFore));
        QCOMPARE(Colour(frame, QPalette::WindowText), ToQColor(c.LabelFore));
        QCOMPARE(Colour(button, QPalette::Button), buttonBefore);
    }

    void gridSelectionSwapsFieldColoursAndHeadersTakeLabelColours() {
        Program.Colours = DistinctColours();
        const ColourSettings& c = Program.Colours;
        QWidget window;
        auto* grid = Named<QTableWidget>(&window, QStringLiteral("Grd"));
        grid->setRowCount(2);
        grid->setColumnCount(2);
        ColourForm(&window);
        QCOMPARE(Colour(grid, QPalette::Base), ToQColor(c.FieldBack));
        QCOMPARE(Colour(grid, QPalette::Text), ToQColor(c.FieldFore));
        QCOMPARE(Colour(grid, QPalette::Highlight), ToQColor(c.FieldFore));
        QCOMPARE(Colour(grid, QPalette::HighlightedText), ToQColor(c.FieldBack));
        for (QWidget* header : {static_cast<QWidget*>(grid->horizontalHeader()),
                                static_cast<QWidget*>(grid->verticalHeader())}) {
            QCOMPARE(Colour(header, QPalette::Button), ToQColor(c.LabelBack));
            QCOMPARE(Colour(header, QPalette::ButtonText), ToQColor(c.LabelFore));
        }
        // The selection keeps its colours when the window loses the focus.
        QCOMPARE(grid->palette().color(QPalette::Inactive, QPalette::Highlight), ToQColor(c.FieldFore));
    }

    void outputToolbarToolTipsByMode() {
        TestDataFolder folder(false);
        QWidget window;
        QToolBar* mode0 = ToolbarWith(&window, 3);
        BuildOutputToolbar(mode0, 0);
        QCOMPARE(mode0->actions().at(0)->toolTip(), QStringLiteral("tip 1"));
        QCOMPARE(mode0->actions().at(1)->toolTip(), QStringLiteral("tip 2"));

        QToolBar* mode1 = ToolbarWith(&window, 3);
        BuildOutputToolbar(mode1, 1);
        QCOMPARE(mode1->actions().at(0)->toolTip(), QStringLiteral("Αρχείο"));
        QCOMPARE(mode1->actions().at(1)->toolTip(), QStringLiteral("Ηλεκτρονική Αποστολή"));
        QCOMPARE(mode1->actions().at(2)->toolTip(), QStringLiteral("tip 3"));

        QToolBar* mode2 = ToolbarWith(&window, 3);
        BuildOutputToolbar(mode2, 2);
        QCOMPARE(mode2->actions().at(0)->toolTip(), QStringLiteral("tip 1"));
        QCOMPARE(mode2->actions().at(1)->toolTip(), QStringLiteral("Αρχείο Εισφορών"));

        QToolBar* mode3 = ToolbarWith(&window, 4);
        BuildOutputToolbar(mode3, 3);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(mode3->actions().at(i)->toolTip(), QStringLiteral("tip %1").arg(i + 1));
            // No picture file in the folder: a stand-in icon, never a blank button.
            QVERIFY(!mode3->actions().at(i)->icon().isNull());
        }
        QCOMPARE(OutputToolbarPictures(3).last().key, QStringLiteral("Ext"));
        QCOMPARE(OutputToolbarPictures(1).at(1).file, QStringLiteral("Internet.Ico"));
        QVERIFY(OutputToolbarPictures(4).isEmpty());
    }

    void pictureFilesOfTheDataFolderGoToTheirButtons() {
        TestDataFolder folder(false);
        WritePicture(QStringLiteral("PgUp.Gif"), Qt::blue);
        WritePicture(QStringLiteral("Exit.Gif"), Qt::red);
        WritePicture(QStringLiteral("Save.Gif"), Qt::green);
        QWidget window;
        QToolBar* list = ToolbarWith(&window, 11);
        // A separator between the buttons takes no picture.
        list->insertSeparator(list->actions().at(6));
        BuildListToolbar(list);
        QCOMPARE(IconCentre(window.findChild<QAction*>(QStringLiteral("Tools_7"))), QColor(Qt::blue));
        QCOMPARE(IconCentre(window.findChild<QAction*>(QStringLiteral("Tools_11"))), QColor(Qt::red));
        QVERIFY(IconCentre(window.findChild<QAction*>(QStringLiteral("Tools_6"))) != QColor(Qt::blue));
        for (int i = 1; i <= 11; ++i)
            QVERIFY(!window.findChild<QAction*>(QStringLiteral("Tools_%1").arg(i))->icon().isNull());

        QToolBar* output = ToolbarWith(&window, 3);
        BuildOutputToolbar(output, 2);
        QCOMPARE(IconCentre(output->actions().at(1)), QColor(Qt::green));
        QCOMPARE(IconCentre(output->actions().at(2)), QColor(Qt::red));
    }
};

QTEST_MAIN(FormLookTest)
#include "FormLookTest.moc"
