#pragma once

#include <QLabel>
#include <QWidget>
#include <array>

class LauncherDialogs;

// The launcher's one window: a picture and four text items that act as a menu (install the
// program, install the database server, save the installation's identity, leave). The item
// under the pointer is black, the others light red; a press on an item runs it. The arrow
// keys and Enter do the same from the keyboard; Escape leaves.
class SetUp : public QWidget {
    Q_OBJECT
public:
    SetUp(const QString& ownFolder, LauncherDialogs& dialogs, QWidget* parent = nullptr);

    // Reads the database-server flag from the media's Appl.Bt; an unreadable record is told.
    void load();
    // Puts the window in the middle of the screen.
    void centre();

    QString baseFolder() const { return m_base; }
    quint16 databaseServerFlag() const { return m_databaseServer; }
    // The item drawn black, -1 when none.
    int highlightedItem() const { return m_highlighted; }
    void runItem(int item);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void highlight(int item);
    void installProgram();
    void installDatabaseServer();
    void saveIdentity();
    // Starts base + relative without waiting; missingText is the box of a missing installer.
    void startInstaller(const QString& relative, const QString& missingText);

    QString m_base;
    LauncherDialogs& m_dialogs;
    quint16 m_databaseServer = 0;
    int m_highlighted = -1;
    std::array<QLabel*, 4> m_items{};
};
