#pragma once

#include "logic/internet/NewsDatabase.h"
#include "windows/core/ChildWindow.h"

class QLabel;
class QPushButton;
class QTextEdit;

// «Επικοινωνία με την Tavrinex»: one article of the maker's news, inside the main window. Its
// body is shown formatted; a blue underlined link beginning with "http" opens in the links
// browser; it can be saved as text into the news folder and printed.
class NewsKeim : public ChildWindow {
    Q_OBJECT
public:
    // At most this many articles are open at once.
    static constexpr int MostOpen = 6;

    // Loads the article and shows it in a window of its own; an article that cannot be had
    // is told in a box, and no window opens (nullptr). An article already open comes to the
    // front instead, neither read nor traced again. With six articles open no other opens:
    // the user who asked for it is told so (byUser); a pop-up of the refresh is left out.
    static NewsKeim* open(int record, bool byUser = true);

    NewsKeim(int record, const NewsArticle& article, QWidget* parent = nullptr);

    int record() const { return m_record; }
    QTextEdit* text() const { return m_newsTxt; }
    void save();
    void print();
    // A click on a character of the text (its position in the document).
    void clickedAt(int position);

signals:
    void printed(bool success);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool blank() const;

    int m_record = 0;
    QString m_title;
    QLabel* m_themLbl = nullptr;
    QTextEdit* m_newsTxt = nullptr;
    QPushButton* m_saveBut = nullptr;
    QPushButton* m_prtBut = nullptr;
    QPushButton* m_exitBut = nullptr;
};
