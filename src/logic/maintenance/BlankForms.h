#pragma once

#include <QList>
#include <QSize>
#include <QString>

// The blank official forms: their captions in the form list, the picture files of the data
// folder and the orientation each is printed in. The pictures come drawn with the program;
// a real scan saved in the data folder under the same name is shown instead.
struct BlankFormEntry {
    QString caption;
    QString file;
    bool landscape = false;
};

const QList<BlankFormEntry>& BlankFormList();

// The picture of the form at the index, in the data folder.
QString BlankFormPicture(int index);

// The size of the forms window in twips: the smaller for a screen 12,000 twips wide (800
// pixels at 15 twips a pixel), the larger otherwise.
QSize BlankFormsWindowTwips(int screenWidthTwips);

// A screen of 12 twips a pixel (120 dots an inch, "large fonts") does not print the forms
// at their size.
bool LargeFontsScreen(double logicalDotsPerInch);
