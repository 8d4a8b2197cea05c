#pragma once

#include <QImage>
#include <QProcess>
#include <QString>

// An X server of the test's own (Xvfb, 1024 × 768, black root window) on a display number it
// picks itself, and pictures of its whole screen taken through XCB. A program in another root
// reaches it all the same: the server also listens on Linux's abstract socket.
class VirtualDisplay {
public:
    ~VirtualDisplay();
    // "" or why the server did not start.
    QString start();
    // ":<number>", for DISPLAY.
    QString name() const { return m_name; }
    // The screen as it is now; a null image when it cannot be read.
    QImage grab() const;

private:
    QProcess m_server;
    QString m_name;
};
