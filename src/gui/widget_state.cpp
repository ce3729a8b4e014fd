#include "gui/widget_state.h"

#include "gui/chart_view.h"
#include "gui/icons.h"
#include "gui/painted_item.h"
#include "gui/qt_text.h"
#include "gui/rich_text_box.h"
#include "gui/status_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <array>

namespace rac::gui {

using platform::Control;
using platform::Property;

namespace {

constexpr const char* lockedProperty = "racLocked";
constexpr const char* mnemonicProperty = "racMnemonic";

// The caption with the window's mnemonic marked before the letter's first appearance; a caption
// that marks its own keeps it.
QString withMnemonic(const QObject& object, QString caption) {
    const QChar letter = object.property(mnemonicProperty).toChar();
    if (letter.isNull() || caption.contains(QLatin1Char('&'))) {
        return caption;
    }
    if (const qsizetype at = caption.indexOf(letter, 0, Qt::CaseInsensitive); at >= 0) {
        caption.insert(at, QLatin1Char('&'));
    }
    return caption;
}

// The colour groups of a widget that can be used; a disabled one keeps the style's greyed look, so
// that it never passes for an entry.
constexpr QPalette::ColorGroup kUsableGroups[] = {QPalette::Active, QPalette::Inactive};

// Entry fields show the control's colours: white on black text as an entry, black with white text
// as a result.
void applyFieldColours(QWidget& widget, const Control& control) {
    QPalette palette = widget.palette();
    const QColor back = toQt(control.backColour());
    const QColor fore = toQt(control.foreColour());
    for (const QPalette::ColorGroup group : kUsableGroups) {
        palette.setColor(group, QPalette::Base, back);
        palette.setColor(group, QPalette::Text, fore);
        palette.setColor(group, QPalette::Button, back);
        palette.setColor(group, QPalette::ButtonText, fore);
        if (fore == QColor(Qt::white)) {
            palette.setColor(group, QPalette::Highlight, QColor(0x2f, 0x6f, 0xb4));
        }
    }
    widget.setPalette(palette);
}

void applyTextColour(QWidget& widget, const Control& control) {
    QPalette palette = widget.palette();
    for (const QPalette::ColorGroup group : kUsableGroups) {
        palette.setColor(group, QPalette::WindowText, toQt(control.foreColour()));
    }
    widget.setPalette(palette);
}

void applyColours(QObject& object, const Control& control) {
    if (auto* item = qobject_cast<PaintedItem*>(&object)) {
        item->setBack(control.backColour());
        item->setFore(control.foreColour());
    } else if (qobject_cast<QLineEdit*>(&object) || qobject_cast<QComboBox*>(&object) ||
               qobject_cast<QTextEdit*>(&object)) {
        applyFieldColours(*qobject_cast<QWidget*>(&object), control);
    } else if (qobject_cast<QLabel*>(&object) || qobject_cast<QCheckBox*>(&object) ||
               qobject_cast<QRadioButton*>(&object)) {
        // Their background stays the window's: the model's default white would blank them out.
        applyTextColour(*qobject_cast<QWidget*>(&object), control);
    }
}

void applyLocked(QObject& object, const Control& control) {
    // Results are read with the mouse, not tabbed through.
    const Qt::FocusPolicy policy = control.locked() ? Qt::ClickFocus : Qt::StrongFocus;
    if (auto* edit = qobject_cast<QLineEdit*>(&object)) {
        edit->setReadOnly(control.locked());
        edit->setFocusPolicy(policy);
    } else if (auto* combo = qobject_cast<QComboBox*>(&object)) {
        combo->setProperty(lockedProperty, control.locked());
        combo->setFocusPolicy(policy);
        if (combo->lineEdit() != nullptr) {
            combo->lineEdit()->setReadOnly(control.locked());
        }
    }
}

void applyListIndex(QComboBox& combo, const Control& control) {
    combo.setCurrentIndex(control.listIndex());
    if (combo.isEditable()) {
        combo.setEditText(toQt(control.text()));
    }
}

void applyItems(QComboBox& combo, const Control& control) {
    combo.clear();
    for (const auto& item : control.items()) {
        combo.addItem(toQt(item));
    }
    applyListIndex(combo, control);
}

void applyText(QObject& object, const Control& control) {
    const QString text = toQt(control.text());
    if (auto* edit = qobject_cast<QLineEdit*>(&object)) {
        if (edit->text() != text) {
            edit->setText(text);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(&object)) {
        if (combo->isEditable() && combo->currentText() != text) {
            combo->setEditText(text);
        } else if (!combo->isEditable()) {
            combo->setCurrentIndex(control.listIndex());
        }
    } else if (auto* panel = qobject_cast<StatusPanel*>(&object)) {
        panel->setText(text);
    }
}

void applyCaption(QObject& object, const Control& control) {
    const QString caption = withMnemonic(object, toQt(control.caption()));
    if (auto* button = qobject_cast<QAbstractButton*>(&object)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(&object)) {
        label->setText(caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(&object)) {
        frame->setTitle(caption);
    } else if (auto* action = qobject_cast<QAction*>(&object)) {
        action->setText(caption);
    }
}

void applyValue(QObject& object, const Control& control) {
    if (auto* button = qobject_cast<QAbstractButton*>(&object)) {
        button->setChecked(control.value() == 1);
    } else if (auto* bar = qobject_cast<QProgressBar*>(&object)) {
        bar->setValue(control.value());
    }
}

void applyPicture(QObject& object, const Control& control) {
    if (auto* panel = qobject_cast<StatusPanel*>(&object)) {
        panel->setPicture(control.picture());
    } else if (auto* label = qobject_cast<QLabel*>(&object); label && control.picture() != 0) {
        // Picture 0 leaves the image the window drew for it.
        const int side = 2 * label->fontMetrics().height();
        label->setPixmap(pictureIcon(control.picture()).pixmap(QSize(side, side)));
    }
}

void applyEnabled(QObject& object, bool enabled) {
    if (auto* widget = qobject_cast<QWidget*>(&object)) {
        widget->setEnabled(enabled);
    } else if (auto* action = qobject_cast<QAction*>(&object)) {
        action->setEnabled(enabled);
    }
}

void applyVisible(QObject& object, bool visible) {
    if (auto* widget = qobject_cast<QWidget*>(&object)) {
        if (!widget->isWindow()) {
            widget->setVisible(visible);
        }
    } else if (auto* action = qobject_cast<QAction*>(&object)) {
        action->setVisible(visible);
    } else if (auto* item = qobject_cast<PaintedItem*>(&object)) {
        item->setVisible(visible);
    }
}

void applyToolTip(QObject& object, const Control& control) {
    const QString tip = toQt(control.toolTip());
    if (auto* widget = qobject_cast<QWidget*>(&object)) {
        widget->setToolTip(tip);
    } else if (auto* action = qobject_cast<QAction*>(&object)) {
        action->setToolTip(tip);
        if (control.kind() == platform::ControlKind::ToolbarButton) {
            action->setText(tip); // a toolbar button's name is its tool tip
        }
    }
}

} // namespace

void applyProperty(QObject& object, const Control& control, Property property) {
    if (auto* edit = qobject_cast<QTextEdit*>(&object);
        edit && property != Property::Enabled && property != Property::Visible &&
        property != Property::BackColour && property != Property::ForeColour &&
        property != Property::ToolTip) {
        applyRichText(*edit, control, property);
        return;
    }
    switch (property) {
    case Property::Text:
        applyText(object, control);
        break;
    case Property::Items:
        if (auto* combo = qobject_cast<QComboBox*>(&object)) {
            applyItems(*combo, control);
        }
        break;
    case Property::ListIndex:
        if (auto* combo = qobject_cast<QComboBox*>(&object)) {
            applyListIndex(*combo, control);
        }
        break;
    case Property::Value:
        applyValue(object, control);
        break;
    case Property::Caption:
        applyCaption(object, control);
        break;
    case Property::Checked:
        if (auto* action = qobject_cast<QAction*>(&object)) {
            action->setCheckable(control.checked());
            action->setChecked(control.checked());
        }
        break;
    case Property::Enabled:
        applyEnabled(object, control.enabled());
        break;
    case Property::Visible:
        applyVisible(object, control.visible());
        break;
    case Property::Locked:
        applyLocked(object, control);
        break;
    case Property::BackColour:
    case Property::ForeColour:
        applyColours(object, control);
        break;
    case Property::ToolTip:
        applyToolTip(object, control);
        break;
    case Property::Picture:
        applyPicture(object, control);
        break;
    case Property::Chart:
        if (auto* chart = qobject_cast<ChartView*>(&object)) {
            chart->showChart(control.chart());
        }
        break;
    default: // timers and the form's own state are the binding's
        break;
    }
}

void applyAllProperties(QObject& object, const Control& control) {
    static constexpr std::array ofAnyControl{Property::Enabled, Property::Visible, Property::Locked,
                                             Property::BackColour, Property::ToolTip};
    static constexpr std::array ofSomeKinds{
        Property::Items,   Property::ListIndex, Property::Text,    Property::Value,
        Property::Caption, Property::Checked,   Property::Picture, Property::Selection,
        Property::Font,    Property::Chart};
    for (const Property property : ofSomeKinds) {
        if (platform::hasProperty(control.kind(), property)) {
            applyProperty(object, control, property);
        }
    }
    for (const Property property : ofAnyControl) {
        applyProperty(object, control, property);
    }
}

void setMnemonic(QObject& object, QChar letter) {
    object.setProperty(mnemonicProperty, letter);
}

bool lockedList(const QObject& object) {
    return object.property(lockedProperty).toBool();
}

} // namespace rac::gui
