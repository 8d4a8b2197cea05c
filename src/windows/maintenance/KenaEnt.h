#pragma once

#include "windows/core/ChildWindow.h"

#include <QImage>

class QComboBox;
class QFrame;
class QLabel;
class QScrollBar;
class QToolBar;

// The blank official forms: the chosen form is shown as a page fitted to the window's width,
// larger or smaller at the user's wish, in a viewport with scroll bars, and printed from its
// full picture on a whole page, so that it can be filled in by hand.
class KenaEnt : public ChildWindow {
    Q_OBJECT
public:
    explicit KenaEnt(QWidget* parent = nullptr);

    void chooseForm(int index);
    void printForm();
    void zoomIn();
    void zoomOut();
    void fitToWidth();
    // The share of the picture's pixels the page is shown at.
    double scale() const { return m_scale; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPage();
    void setScale(double scale);
    void setScrollRanges();
    void scrolled();
    bool scrollKey(QKeyEvent* event);

    QToolBar* m_tools = nullptr;
    QComboBox* m_entEpil = nullptr;
    QFrame* m_frame = nullptr;
    QLabel* m_pict = nullptr;
    QScrollBar* m_hScroll = nullptr;
    QScrollBar* m_vScroll = nullptr;
    QImage m_image;
    double m_scale = 1.0;
    bool m_fitWidth = true;
};
