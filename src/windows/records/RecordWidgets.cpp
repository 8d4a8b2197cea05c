#include "windows/records/RecordWidgets.h"

#include "logic/core/program/Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

QRect TwipsRect(int left, int top, int width, int height) {
    return {TwipsToPixels(left, top), TwipsSizeToPixels(width, height)};
}

QLabel* MakeCaptionLabel(QWidget* window, int index, const QString& text, const QRect& twips) {
    auto* label = new QLabel(text, window);
    label->setObjectName(QStringLiteral("Lbl_%1").arg(index));
    label->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return label;
}

QLineEdit* MakeTextBox(QWidget* window, const QString& name, int maxLength, const QRect& twips) {
    auto* box = new QLineEdit(window);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    box->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    TypeGraveAccents(box);
    return box;
}

namespace {

// Cuts the box's text to its limit whenever it grows past it.
class TextLimit : public QObject {
public:
    TextLimit(QPlainTextEdit* box, int maxLength) : QObject(box), m_box(box), m_maxLength(maxLength) {
        connect(box, &QPlainTextEdit::textChanged, this, &TextLimit::cut);
    }

private:
    void cut() {
        const QString text = m_box->toPlainText();
        if (text.size() <= m_maxLength)
            return;
        QTextCursor cursor = m_box->textCursor();
        const int position = std::min(cursor.position(), m_maxLength);
        m_box->setPlainText(text.left(m_maxLength));
        cursor = m_box->textCursor();
        cursor.setPosition(position);
        m_box->setTextCursor(cursor);
    }
    QPlainTextEdit* m_box;
    int m_maxLength;
};

class GraveAccents : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->text() != QLatin1String("'"))
            return false;
        QKeyEvent grave(QEvent::KeyPress, Qt::Key_QuoteLeft, key->modifiers(), QStringLiteral("`"));
        QCoreApplication::sendEvent(watched, &grave);
        return true;
    }
};

class FocusWatch : public QObject {
public:
    FocusWatch(QWidget* field, QEvent::Type type, std::function<void()> action)
        : QObject(field), m_field(field), m_type(type), m_action(std::move(action)) {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != m_type)
            return false;
        if (m_type == QEvent::FocusOut) {
            // The new focus is already set when the old field hears that it lost it.
            const QWidget* now = QApplication::focusWidget();
            if (!now || now->window() != m_field->window() || !sameChildWindow(now))
                return false;
        }
        m_action();
        return false;
    }

private:
    // Both widgets sit in the same window of the program (the innermost ancestor that is a
    // frame of the MDI area or a top-level window).
    bool sameChildWindow(const QWidget* other) const {
        const QWidget* mine = m_field->parentWidget();
        while (mine && mine->parentWidget() && !mine->inherits("QMdiSubWindow"))
            mine = mine->parentWidget();
        return mine && (mine == other || mine->isAncestorOf(other));
    }

    QWidget* m_field;
    QEvent::Type m_type;
    std::function<void()> m_action;
};

} // namespace

QPlainTextEdit* MakeMultiLineBox(QWidget* window, const QString& name, int maxLength, const QRect& twips) {
    auto* box = new QPlainTextEdit(window);
    box->setObjectName(name);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    box->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    new TextLimit(box, maxLength);
    TypeGraveAccents(box);
    return box;
}

void TypeGraveAccents(QWidget* field) {
    field->installEventFilter(new GraveAccents(field));
}

void OnLeavingField(QWidget* field, std::function<void()> left) {
    new FocusWatch(field, QEvent::FocusOut, std::move(left));
}

void OnEnteringField(QWidget* field, std::function<void()> entered) {
    new FocusWatch(field, QEvent::FocusIn, std::move(entered));
}
