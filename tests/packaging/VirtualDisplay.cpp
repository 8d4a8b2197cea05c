#include "VirtualDisplay.h"

#include <QDeadlineTimer>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

VirtualDisplay::~VirtualDisplay() {
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(10000))
            m_server.kill();
        m_server.waitForFinished(10000);
    }
}

QString VirtualDisplay::start() {
    // The server writes the display number it took to standard output once it is ready.
    m_server.start(QStringLiteral("Xvfb"),
                   {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-br", "-noreset"});
    if (!m_server.waitForStarted(10000))
        return QStringLiteral("Xvfb: ") + m_server.errorString();
    const QDeadlineTimer deadline(60000);
    QByteArray number;
    while (!number.endsWith('\n') && !deadline.hasExpired() && m_server.state() == QProcess::Running) {
        m_server.waitForReadyRead(500);
        number += m_server.readAllStandardOutput();
    }
    if (!number.endsWith('\n'))
        return QStringLiteral("Xvfb did not report its display: ") +
               QString::fromLocal8Bit(m_server.readAllStandardError());
    m_name = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
    return {};
}

QImage VirtualDisplay::grab() const {
    int screenNumber = 0;
    const std::unique_ptr<xcb_connection_t, void (*)(xcb_connection_t*)> connection(
        xcb_connect(m_name.toLatin1().constData(), &screenNumber), xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return {};
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data;
    const int width = screen->width_in_pixels;
    const int height = screen->height_in_pixels;
    const xcb_get_image_cookie_t cookie =
        xcb_get_image(connection.get(), XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0, uint16_t(width),
                      uint16_t(height), ~0u);
    const std::unique_ptr<xcb_get_image_reply_t, void (*)(void*)> reply(
        xcb_get_image_reply(connection.get(), cookie, nullptr), std::free);
    // A 24-bit screen comes as 32 bits a pixel, blue first: Qt's RGB32 on this machine.
    if (!reply || xcb_get_image_data_length(reply.get()) != width * height * 4)
        return {};
    return QImage(xcb_get_image_data(reply.get()), width, height, width * 4, QImage::Format_RGB32).copy();
}
