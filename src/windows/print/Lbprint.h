#pragma once

#include "logic/print/PrintJob.h"
#include "windows/core/ChildWindow.h"

#include <QImage>
#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QScrollBar;
class QToolBar;
class WindowCommands;

// The print preview ("Εκτύπωση"): owns one print job, filled by a report routine through
// InitTitles, PutLine, FixTitles and Initprint, and shows it one page at a time. The user
// pages, zooms, selects a row, opens the record behind it, prints all pages, the page on
// display or a range of pages, and exports the job.
//
//     auto* preview = new Lbprint;
//     preview->InitTitles("Ergaz", "Εργ/μενος");
//     preview->PutLine(line, keys);          // for each line
//     preview->FixTitles(title, 0, 0);       // for each title line
//     preview->Initprint(52, 2, 0, 0, true, true, false, "", "Tavrinex SA", "");
//     preview->PictPages();                  // shows it inside the main window
class Lbprint : public ChildWindow {
    Q_OBJECT
public:
    explicit Lbprint(QWidget* parent = nullptr);
    ~Lbprint() override;

    PrintJob& job() { return m_job; }
    const PrintJob& job() const { return m_job; }

    void InitTitles(const QString& Frm, const QString& Desc) { m_job.InitTitles(Frm, Desc); }
    void PutLine(const QString& OneLine, const QString& Keys) { m_job.PutLine(OneLine, Keys); }
    void FixTitles(const QString& Tit, int No, int Ekt, const QList<int>& Attr = {}) {
        m_job.FixTitles(Tit, No, Ekt, Attr);
    }
    // Stores the page settings, lays out the job and sizes the window for its page.
    void Initprint(int Plen, int Ptit, double PfontSize, int PpageLines, bool Pdate, bool Ppage, bool Pboxes,
                   const QString& Pcode, const QString& Pepon, const QString& Picon);
    // Takes the caption and the size of the page of a job whose settings were stored
    // without the window (Initprint does this itself).
    void fitToPage();
    // The first call shows the window with the first page; each further call the next page.
    // A job without lines closes the window instead.
    void PictPages();
    // Waits the seconds while the windows stay responsive.
    static void Delay(int Seconds);

    // The commands of the toolbar, the keys and the right-click menu.
    void printMenu();
    // 1 all pages, 2 the page on display, 3 a range of pages (asked for first).
    void printPages(int choice);
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void exportMenu();
    void zoomIn();
    void zoomOut();
    // Opens the record behind the selected row in its window.
    void bridges();
    void contextMenu();

    // The page on display as drawn on the screen.
    const QImage& pageImage() const { return m_image; }
    int PrintChoice() const { return m_printChoice; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class PagePicture;
    void buildCommands();
    void buildToolbar();
    void pictureKey(QKeyEvent* event);
    void selectEdgeRow(bool last);
    void moveSelection(int step);
    void pictureClick(QMouseEvent* event);
    void showPage();
    void redraw();
    void updateScrollRanges();
    void layOutControls();
    void keepSelectionVisible();
    void scrollBy(QScrollBar* bar, int steps);
    void showRangeBoxes(bool show);
    void rangeLeft();
    void printAll();
    void printCurrent();
    void printRange();
    bool setUpPrinter(class QPrinter& printer);

    PrintJob m_job;
    QToolBar* m_tools;
    WindowCommands* m_commands = nullptr;
    QWidget* m_frm;
    QWidget* m_pict;
    QScrollBar* m_vert;
    QScrollBar* m_oriz;
    QLabel* m_txtLbl;
    QLineEdit* m_apoSel;
    QLineEdit* m_eosSel;
    QWidget* m_range;
    QImage m_image;
    int m_printChoice = 0;
    bool m_rangeShown = false;
    bool m_shown = false;
    QSize m_wantedSize;
};
