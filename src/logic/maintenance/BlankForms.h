#pragma once

#include <QList>
#include <QSize>
#include <QString>

// The blank official forms: their captions in the form list, the picture files of the data
// folder and the orientation each is printed in. The pictures come drawn with the program;
// a real scan saved in the data folder under the same name is shown instead.
struct BlankFormEntry {
    QString caption; // as the list shows it
    QString file;
    bool landscape = false;
    QString title; // the form's own title, with its page of a form of several: what is printed
};

const QList<BlankFormEntry>& BlankFormList();

// The picture of the form at the index, in the data folder.
QString BlankFormPicture(int index);

// The size of the forms window in twips: the smaller for a screen 12,000 twips wide (800
// pixels at 15 twips a pixel), the larger otherwise.
QSize BlankFormsWindowTwips(int screenWidthTwips);

// The resolution the forms are drawn at.
constexpr int BlankFormDotsPerInch = 200;

// The scales a form is shown at, as a share of its picture's pixels: the page's width fitted
// to the viewport's, and one step larger or smaller from a scale, within the bounds.
double FitToWidthScale(int pictureWidth, int viewportWidth);
double ZoomedIn(double scale);
double ZoomedOut(double scale);
