#include "shell/StatusPanels.h"

#include "logic/core/services/Services.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

namespace {

// Qt does not report the lock keys' state, so the panels follow what the keys produce: a
// letter typed without Shift in capitals means Caps Lock is on; a keypad digit means Num
// Lock is on, a keypad arrow that it is off.
class LockKeyWatcher : public QObject {
public:
    LockKeyWatcher(QLabel* caps, QLabel* num, QObject* parent) : QObject(parent), m_caps(caps), m_num(num) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            follow(static_cast<QKeyEvent*>(event));
        return QObject::eventFilter(watched, event);
    }

private:
    void follow(const QKeyEvent* key) {
        const QString text = key->text();
        if (key->modifiers() & Qt::KeypadModifier) {
            if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9)
                m_num->setText(QStringLiteral("NUM"));
            else if (key->key() >= Qt::Key_Left && key->key() <= Qt::Key_Down)
                m_num->clear();
            return;
        }
        if (text.size() == 1 && text.at(0).isLetter() && text.at(0).toUpper() != text.at(0).toLower()) {
            const bool shift = key->modifiers() & Qt::ShiftModifier;
            const bool upper = text.at(0).isUpper();
            m_caps->setText(upper != shift ? QStringLiteral("CAPS") : QString());
        }
    }

    QLabel* m_caps;
    QLabel* m_num;
};

int millimetresToPixels(double mm) {
    const QScreen* screen = QApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return int(mm * dpi / 25.4 + 0.5);
}

} // namespace

QList<QLabel*> AddStatusPanels(QStatusBar* bar) {
    const double widths[] = {53.45, 12.70, 10.58, 15.87, 31.75, 29.99};
    QList<QLabel*> panels;
    for (int i = 0; i < 6; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("Stbar_%1").arg(i + 1));
        panel->setMinimumWidth(millimetresToPixels(widths[i]));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i == 1 || i == 2 || i == 3)
            panel->setAlignment(Qt::AlignCenter);
        // The last panel takes what room is left: it shows the data folder.
        bar->addPermanentWidget(panel, i == 5 ? 1 : 0);
        panels << panel;
    }
    new LockKeyWatcher(panels.at(1), panels.at(2), bar);
    auto* clock = new QTimer(bar);
    auto showTime = [label = panels.at(3)] {
        label->setText(Services::clock().now().time().toString(QStringLiteral("HH:mm")));
    };
    QObject::connect(clock, &QTimer::timeout, bar, showTime);
    clock->start(1000);
    showTime();
    return panels;
}
