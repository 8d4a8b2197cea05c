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
    // Loads the article and shows it in a window of its own; an article that cannot be had
    // is told in a box, and no window opens (nullptr).
    static NewsKeim* open(int record);

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
