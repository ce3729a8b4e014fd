#include "gui/rich_text_box.h"

#include "gui/qt_text.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace rac::gui {

namespace {

// The UTF-16 position of a character (code point) of the text, and back.
int unitOf(const QString& text, int character) {
    int unit = 0;
    for (int seen = 0; seen < character && unit < text.size(); ++seen) {
        unit += text.at(unit).isHighSurrogate() && unit + 1 < text.size() ? 2 : 1;
    }
    return unit;
}

int characterOf(const QString& text, int unit) {
    int character = 0;
    for (int at = 0; at < unit && at < text.size(); ++character) {
        at += text.at(at).isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
    }
    return character;
}

void applySelection(QTextEdit& edit, const platform::TextSelection& selection) {
    const QString text = edit.toPlainText();
    QTextCursor cursor(edit.document());
    cursor.setPosition(unitOf(text, selection.start));
    cursor.setPosition(unitOf(text, selection.start + selection.length), QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}

void applyFont(QTextEdit& edit, const platform::TextFont& font) {
    edit.document()->setDefaultFont(qtFont(font, edit.font()));
}

} // namespace

void applyRichText(QTextEdit& edit, const platform::Control& control, platform::Property property) {
    switch (property) {
    case platform::Property::Text:
        if (edit.toPlainText() != toQt(control.text())) {
            edit.setPlainText(toQt(control.text()));
        }
        applySelection(edit, control.selection());
        break;
    case platform::Property::Selection:
        applySelection(edit, control.selection());
        break;
    case platform::Property::Font:
        applyFont(edit, control.font());
        break;
    case platform::Property::Locked:
        edit.setReadOnly(control.locked());
        // A read-only document can still be selected and copied.
        edit.setTextInteractionFlags(control.locked()
                                         ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                         : Qt::TextEditorInteraction);
        break;
    default:
        break;
    }
}

QFont qtFont(const platform::TextFont& font, QFont base) {
    if (!font.name.empty()) {
        base.setFamily(toQt(font.name));
    }
    if (font.points > 0) {
        base.setPointSizeF(font.points);
    }
    base.setBold(font.bold);
    return base;
}

platform::TextSelection selectionOf(const QTextEdit& edit) {
    const QString text = edit.toPlainText();
    const QTextCursor cursor = edit.textCursor();
    const int start = characterOf(text, cursor.selectionStart());
    return {start, characterOf(text, cursor.selectionEnd()) - start};
}

} // namespace rac::gui
