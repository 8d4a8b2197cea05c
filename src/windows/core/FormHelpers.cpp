#include "windows/core/FormHelpers.h"

#include "logic/core/files/ColourSettings.h"
#include "logic/core/program/ProgramValues.h"
#include "logic/core/text/DateHelpers.h"
#include "logic/core/text/FieldRules.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableView>
#include <QTextEdit>

namespace {

const char* const TabIndexProperty = "orvaTabIndex";

// Widgets whose children are parts of one control rather than controls of the window.
bool IsComposite(const QWidget* widget) {
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || widget->inherits("QCalendarWidget") ||
           widget->inherits("QToolBar") || widget->inherits("QStatusBar") || widget->inherits("QMenuBar");
}

// True for a control of the window itself: not a part of another control, nor inside a
// separate window such as a pop-up.
bool IsOwnControl(const QWidget* widget, const QWidget* window) {
    if (widget->isWindow())
        return false;
    for (const QWidget* up = widget->parentWidget(); up && up != window; up = up->parentWidget()) {
        if (up->isWindow() || IsComposite(up))
            return false;
    }
    return true;
}

template <typename T> QList<T*> OwnControls(const QWidget* window) {
    QList<T*> controls;
    for (T* control : window->findChildren<T*>()) {
        if (IsOwnControl(control, window))
            controls << control;
    }
    return controls;
}

bool CanTakeFocus(const QWidget* field, const QWidget* window) {
    return field->isEnabled() && field->isVisibleTo(window);
}

// The tab index of the control holding the focus, or of the field it is a part of.
int ActiveTabIndex(const QWidget* window) {
    for (const QWidget* up = window->focusWidget(); up && up != window; up = up->parentWidget()) {
        if (TabIndex(up) >= 0)
            return TabIndex(up);
    }
    return -1;
}

// Gives the focus to the first usable field from the tab index, stepping by step.
bool FocusFirstUsable(QWidget* window, int index, int step, int count) {
    for (; index >= 0 && index < count; index += step) {
        QWidget* field = FindInputField(window, index);
        if (field && CanTakeFocus(field, window)) {
            field->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return false;
}

void SetColours(QWidget* widget, QPalette::ColorRole backRole, quint32 back, QPalette::ColorRole foreRole,
                quint32 fore) {
    QPalette palette = widget->palette();
    palette.setColor(backRole, ToQColor(back));
    palette.setColor(foreRole, ToQColor(fore));
    widget->setPalette(palette);
}

bool IsCaptionLabel(const QLabel* label) {
    static const QRegularExpression caption(QStringLiteral("^Lbl(_\\d+)?$"));
    return caption.match(label->objectName()).hasMatch();
}

void ColourGrid(QTableView* grid, const ColourSettings& c) {
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Base, ToQColor(c.FieldBack));
    palette.setColor(QPalette::Text, ToQColor(c.FieldFore));
    palette.setColor(QPalette::Highlight, ToQColor(c.FieldFore));
    palette.setColor(QPalette::HighlightedText, ToQColor(c.FieldBack));
    grid->setPalette(palette);
    // The fixed cells: the headers and the corner between them.
    QList<QWidget*> fixed{grid->horizontalHeader(), grid->verticalHeader()};
    for (QAbstractButton* corner :
         grid->findChildren<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly))
        fixed << corner;
    for (QWidget* cells : fixed) {
        QPalette headers = cells->palette();
        for (auto role : {QPalette::Button, QPalette::Window, QPalette::Base})
            headers.setColor(role, ToQColor(c.LabelBack));
        for (auto role : {QPalette::ButtonText, QPalette::WindowText, QPalette::Text})
            headers.setColor(role, ToQColor(c.LabelFore));
        cells->setPalette(headers);
    }
}

} // namespace

void SetTabIndex(QWidget* field, int index) {
    field->setProperty(TabIndexProperty, index);
}

int TabIndex(const QWidget* field) {
    const QVariant index = field->property(TabIndexProperty);
    return index.isValid() ? index.toInt() : -1;
}

void SetInputOrder(const QList<QWidget*>& fields) {
    for (int i = 0; i < fields.size(); ++i) {
        SetTabIndex(fields.at(i), i);
        if (i > 0)
            QWidget::setTabOrder(fields.at(i - 1), fields.at(i));
    }
}

bool IsInputField(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QCheckBox*>(widget);
}

int CountInputFields(const QWidget* window) {
    int count = 0;
    for (const QWidget* widget : OwnControls<QWidget>(window)) {
        if (IsInputField(widget))
            ++count;
    }
    return count;
}

QWidget* FindInputField(const QWidget* window, int index) {
    for (QWidget* widget : OwnControls<QWidget>(window)) {
        if (TabIndex(widget) == index && IsInputField(widget))
            return widget;
    }
    return nullptr;
}

void FocusNextField(QWidget* window, int count) {
    for (int target = ActiveTabIndex(window) + 1; target <= count - 1; ++target) {
        QWidget* field = FindInputField(window, target);
        if (!field)
            break;
        if (CanTakeFocus(field, window)) {
            field->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    FocusFirstUsable(window, 0, +1, count);
}

void FocusPreviousField(QWidget* window, int count) {
    // Before the first field comes the wrap to the last; a control without a tab index is
    // never a target.
    for (int target = ActiveTabIndex(window) - 1; target >= 0; --target) {
        QWidget* field = FindInputField(window, target);
        if (!field)
            break;
        if (CanTakeFocus(field, window)) {
            field->setFocus(Qt::BacktabFocusReason);
            return;
        }
        if (target == 1)
            break;
    }
    FocusFirstUsable(window, count - 1, -1, count);
}

void ColourForm(QWidget* window) {
    const ColourSettings& c = Program.Colours;
    window->setAutoFillBackground(true);
    QPalette background = window->palette();
    background.setColor(QPalette::Window, ToQColor(c.WindowBack));
    window->setPalette(background);
    for (QWidget* widget : OwnControls<QWidget>(window)) {
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const bool caption = IsCaptionLabel(label);
            label->setAutoFillBackground(true);
            SetColours(label, QPalette::Window, caption ? c.LabelBack : c.FieldBack, QPalette::WindowText,
                       caption ? c.LabelFore : c.FieldFore);
        } else if (qobject_cast<QCheckBox*>(widget)) {
            widget->setAutoFillBackground(true);
            SetColours(widget, QPalette::Window, c.LabelBack, QPalette::WindowText, c.LabelFore);
        } else if (auto* grid = qobject_cast<QTableView*>(widget)) {
            ColourGrid(grid, c);
        } else if (qobject_cast<QComboBox*>(widget)) {
            SetColours(widget, QPalette::Base, c.FieldBack, QPalette::Text, c.FieldFore);
            SetColours(widget, QPalette::Button, c.FieldBack, QPalette::ButtonText, c.FieldFore);
        } else if (IsInputField(widget)) {
            SetColours(widget, QPalette::Base, c.FieldBack, QPalette::Text, c.FieldFore);
        } else if (qobject_cast<QGroupBox*>(widget)) {
            // Styles draw the title of a frame in its text colour or its window text colour.
            SetColours(widget, QPalette::WindowText, c.LabelFore, QPalette::Text, c.LabelFore);
        }
    }
}

bool CompleteDateField(QLineEdit* box) {
    QString text = box->text();
    const bool valid = CompleteDate(text, Program.WorkDate);
    box->setText(valid ? text : QString());
    return valid;
}

bool CheckAfm(QLineEdit* box) {
    box->setText(box->text().trimmed());
    QString text = box->text();
    return CheckAfmText(text);
}

void FormatNumberField(QLineEdit* box, int decimals, bool thousands) {
    box->setText(FormatNumberText(box->text(), decimals, thousands, box->maxLength()));
}
