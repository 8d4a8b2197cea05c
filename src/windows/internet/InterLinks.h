#pragma once

#include "windows/core/ChildWindow.h"
#include "windows/internet/LinkInBrowser.h"

#include <QUrl>
#include <memory>

class FlowPage;
class FormKeys;
class QAction;
class QComboBox;
class QPrinter;
class QToolBar;
class QWebEngineLoadingInfo;
class QWebEngineProfile;
class QWebEngineView;

// «Συνδεση με χρήσιμα internet links»: a small browser over the useful sites of the links
// list, or over the one address a news article handed over (Program.LinkToOpen), with the
// list hidden then.
class InterLinks : public ChildWindow {
    Q_OBJECT
public:
    explicit InterLinks(QWidget* parent = nullptr);
    ~InterLinks() override;

    QWebEngineView* browser() const { return m_view; }
    // Opens the link of the list at the index, as choosing it does.
    void chooseLink(int index);
    void print();

signals:
    // The page has been handed to the printer (tests wait on it).
    void printed(bool success);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void onLoadingChanged(const QWebEngineLoadingInfo& info);
    void layOut();

    QWebEngineProfile* m_profile = nullptr;
    FlowPage* m_page = nullptr;
    QWebEngineView* m_view = nullptr;
    QToolBar* m_tools = nullptr;
    QComboBox* m_entEpil = nullptr;
    QAction* m_listAction = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    FormKeys* m_keys = nullptr;
    // A chosen link about to open, and being opened: its failure closes the window.
    QUrl m_chosen;
    bool m_choiceLoading = false;
};
