#pragma once

#include <QObject>

class QWidget;

namespace ui {

/// Tells when the user leaves a field: the focus moves from it to another control of its window, by a
/// click, Tab or a shortcut. The window losing the focus (to a message box, another window or program)
/// and the field's own drop-down list opening are no leaving: the user comes back to the field as they
/// left it.
class FieldExit final : public QObject {
    Q_OBJECT

public:
    /// Watches `field` and lives as long as it does.
    explicit FieldExit(QWidget* field);

Q_SIGNALS:
    /// Comes once the focus change is complete, so that a message box shown for it does not open in the
    /// middle of the click that moved the focus.
    void left();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace ui
