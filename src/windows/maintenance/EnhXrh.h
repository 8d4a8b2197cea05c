#pragma once

#include "windows/core/ChildWindow.h"

class QLabel;
class QPdfDocument;
class QPdfView;
class QPushButton;

// The user manual: Manual.pdf of the data folder, its pages one under the other, as wide as
// the window, opened where the first page's content begins.
class EnhXrh : public ChildWindow {
    Q_OBJECT
public:
    explicit EnhXrh(QWidget* parent = nullptr);

    QPdfDocument* document() const { return m_document; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool scrollKey(int key);
    // Scrolls to where the first page's content begins, once, when the pages are laid out.
    void showFirstContent();

    QPdfDocument* m_document = nullptr;
    QPdfView* m_webBr = nullptr;
    QLabel* m_missing = nullptr;
    QPushButton* m_exitBut = nullptr;
    bool m_showedFirstContent = false;
};
