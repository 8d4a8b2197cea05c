#pragma once

#include "windows/core/ChildWindow.h"

#include <QImage>

class QComboBox;
class QFrame;
class QLabel;
class QScrollBar;
class QToolBar;

// The blank official forms: the chosen form is shown at its natural size in a viewport with
// scroll bars and printed on a full page, so that it can be filled in by hand.
class KenaEnt : public ChildWindow {
    Q_OBJECT
public:
    explicit KenaEnt(QWidget* parent = nullptr);

    void chooseForm(int index);
    void printForm();
    void activated() override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void setScrollRanges();
    void scrolled();
    bool scrollKey(int key);

    QToolBar* m_tools = nullptr;
    QComboBox* m_entEpil = nullptr;
    QFrame* m_frame = nullptr;
    QLabel* m_pict = nullptr;
    QScrollBar* m_hScroll = nullptr;
    QScrollBar* m_vScroll = nullptr;
    QImage m_image;
    bool m_checkedFonts = false;
};
