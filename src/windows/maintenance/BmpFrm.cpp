#include "windows/maintenance/BmpFrm.h"

#include "logic/core/program/ProgramValues.h"
#include "windows/core/WindowNames.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>

BmpFrm::BmpFrm(QWidget* area) : QWidget(area) {
    setObjectName(WindowName::BmpFrm);
    m_img = new QLabel(this);
    m_img->setObjectName(QStringLiteral("Img"));
    m_img->setScaledContents(true);
    const QPixmap picture(AppFile(QStringLiteral("Int.Bmp")));
    m_img->setPixmap(picture);
    m_natural = picture.isNull() ? QSize(0, 0) : picture.size();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    area->installEventFilter(this);
    centreIn(area->size());
    show();
}

bool BmpFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == parent())
        centreIn(static_cast<QWidget*>(watched)->size());
    return QWidget::eventFilter(watched, event);
}

void BmpFrm::centreIn(const QSize& area) {
    const QSize size =
        m_natural.isEmpty() ? QSize(0, 0) : m_natural.scaled(area, Qt::KeepAspectRatio).boundedTo(m_natural);
    resize(size);
    m_img->setGeometry(rect());
    move((area.width() - size.width()) / 2, (area.height() - size.height()) / 2);
    lower();
}
