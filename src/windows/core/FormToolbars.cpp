#include "windows/core/FormToolbars.h"

#include "windows/core/ToolbarPictures.h"

#include <QAction>
#include <QToolBar>

using namespace Qt::StringLiterals;

namespace {

const ToolbarPictureEntry Screen{u"Screen.Bmp"_s, u"Scr"_s, u"document-print-preview"_s,
                                 QStyle::SP_FileDialogContentsView};
const ToolbarPictureEntry Print{u"Print.Gif"_s, u"Prt"_s, u"document-print"_s,
                                QStyle::SP_FileDialogDetailedView};
const ToolbarPictureEntry Save{u"Save.Gif"_s, u"Save"_s, u"document-save"_s, QStyle::SP_DialogSaveButton};
const ToolbarPictureEntry Internet{u"Internet.Ico"_s, u"Int"_s, u"network-workgroup"_s,
                                   QStyle::SP_DriveNetIcon};
const ToolbarPictureEntry Exit{u"Exit.Gif"_s, u"Ext"_s, u"application-exit"_s, QStyle::SP_DialogCloseButton};

// The buttons that carry pictures: every action but separators.
QList<QAction*> Buttons(QToolBar* toolbar) {
    QList<QAction*> buttons;
    for (QAction* action : toolbar->actions()) {
        if (!action->isSeparator())
            buttons << action;
    }
    return buttons;
}

void SetPictures(QToolBar* toolbar, const QList<ToolbarPictureEntry>& pictures) {
    const QList<QAction*> buttons = Buttons(toolbar);
    for (int i = 0; i < qMin(buttons.size(), pictures.size()); ++i) {
        const ToolbarPictureEntry& picture = pictures.at(i);
        buttons.at(i)->setIcon(ToolbarPicture(picture.file, picture.themeName, picture.standard));
    }
}

void SetToolTip(QToolBar* toolbar, int button, const QString& tip) {
    const QList<QAction*> buttons = Buttons(toolbar);
    if (button >= 1 && button <= buttons.size())
        buttons.at(button - 1)->setToolTip(tip);
}

} // namespace

const QList<ToolbarPictureEntry>& ListToolbarPictures() {
    static const QList<ToolbarPictureEntry> pictures = {
        {u"Select.Gif"_s, u"Sel"_s, u"object-select"_s, QStyle::SP_DialogApplyButton},
        {u"New.Gif"_s, u"New"_s, u"document-new"_s, QStyle::SP_FileIcon},
        {u"Upd.Gif"_s, u"Upd"_s, u"document-edit"_s, QStyle::SP_FileDialogInfoView},
        {u"Delete.Gif"_s, u"Del"_s, u"edit-delete"_s, QStyle::SP_TrashIcon},
        Print,
        {u"Copy.Gif"_s, u"Cpy"_s, u"edit-copy"_s, QStyle::SP_FileLinkIcon},
        {u"PgUp.Gif"_s, u"PUp"_s, u"go-top"_s, QStyle::SP_MediaSkipBackward},
        {u"RowUp.Gif"_s, u"Rup"_s, u"go-up"_s, QStyle::SP_ArrowUp},
        {u"RowDn.Gif"_s, u"Rdn"_s, u"go-down"_s, QStyle::SP_ArrowDown},
        {u"PgDn.Gif"_s, u"Pdn"_s, u"go-bottom"_s, QStyle::SP_MediaSkipForward},
        Exit,
    };
    return pictures;
}

QList<ToolbarPictureEntry> OutputToolbarPictures(int mode) {
    switch (mode) {
    case 0:
        return {Screen, Print, Exit};
    case 1:
        return {Save, Internet, Exit};
    case 2:
        return {Screen, Save, Exit};
    case 3:
        return {Screen, Print, Save, Exit};
    default:
        return {};
    }
}

void BuildListToolbar(QToolBar* toolbar) {
    SetPictures(toolbar, ListToolbarPictures());
}

void BuildOutputToolbar(QToolBar* toolbar, int mode) {
    SetPictures(toolbar, OutputToolbarPictures(mode));
    if (mode == 1) {
        SetToolTip(toolbar, 1, u"Αρχείο"_s);
        SetToolTip(toolbar, 2, u"Ηλεκτρονική Αποστολή"_s);
    } else if (mode == 2) {
        SetToolTip(toolbar, 2, u"Αρχείο Εισφορών"_s);
    }
}

QToolBar* CreateOutputToolbar(QWidget* window, const QStringList& tips, int mode) {
    auto* toolbar = new QToolBar(window);
    toolbar->setObjectName(u"Tools"_s);
    for (int i = 0; i < tips.size(); ++i) {
        QAction* action = toolbar->addAction(tips[i]);
        action->setObjectName(u"Tools_%1"_s.arg(i + 1));
        action->setToolTip(tips[i]);
    }
    BuildOutputToolbar(toolbar, mode);
    return toolbar;
}
