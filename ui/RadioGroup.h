#pragma once

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QButtonGroup;
class QRadioButton;

namespace ui {

/// A captioned box of radio buttons, one per item, stacked evenly from top to bottom. Exactly one item
/// or none is selected; `clicked` reports the index of the item the user clicked.
class RadioGroup final : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    /// The selected item, or −1 when none is.
    int itemIndex() const;
    /// Selects item `index` (−1 selects none) without reporting a click.
    void setItemIndex(int index);

    int count() const { return static_cast<int>(m_buttons.size()); }
    QRadioButton* button(int index) const { return m_buttons.at(static_cast<std::size_t>(index)); }

Q_SIGNALS:
    void clicked(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeButtons();

    QButtonGroup* m_group = nullptr;
    std::vector<QRadioButton*> m_buttons;
};

} // namespace ui
