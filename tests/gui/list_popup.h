#pragma once

// A list picked as a person picks it: the popup opened with the mouse, the item clicked.
#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

namespace rac::gui::testing_support {

// Opens a list's popup with the mouse and clicks the item with the given text; false when the
// popup did not open, has no such item or did not close on the click.
inline bool pickWithMouse(QComboBox& list, const QString& text) {
    QTest::mouseClick(&list, Qt::LeftButton);
    QAbstractItemView* view = list.view();
    if (!QTest::qWaitFor([view] { return view->isVisible(); })) {
        return false;
    }
    const int row = list.findText(text, Qt::MatchExactly);
    if (row < 0) {
        return false;
    }
    const QPoint item = view->visualRect(view->model()->index(row, list.modelColumn())).center();
    // The pointer travels to the item, as a person's does. A release close to where the popup
    // opened (the item already shown) counts only after a double-click's time: click until the
    // popup takes it.
    QTest::mouseMove(view->viewport(), item);
    return QTest::qWaitFor([&] {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item);
        return !view->isVisible();
    });
}

} // namespace rac::gui::testing_support
