#pragma once

#include <QWidget>

class QLabel;

// The background picture of the main window: Int.Bmp of the data folder, stretched over the
// window, which sits centred behind the child windows and stays centred when the area
// changes size.
class BmpFrm : public QWidget {
    Q_OBJECT
public:
    explicit BmpFrm(QWidget* area);
    // Centres the window in an area of the given size; a picture larger than the area is
    // shrunk to fit, keeping its proportions.
    void centreIn(const QSize& area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_img;
    QSize m_natural;
};
