#include "ui/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace ui {

namespace {
constexpr int CaptionHeight = 16;  // the part of the box the caption takes
constexpr int InnerMargin = 8;
} // namespace

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this))
{
    for (int index = 0; index < items.size(); ++index) {
        auto* button = new QRadioButton(items.at(index), this);
        m_group->addButton(button, index);
        m_buttons.push_back(button);
    }
    connect(m_group, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
    placeButtons();
}

int RadioGroup::itemIndex() const { return m_group->checkedId(); }

void RadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < count()) {
        m_buttons[static_cast<std::size_t>(index)]->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its checked button; lift the rule for that moment.
    m_group->setExclusive(false);
    for (QRadioButton* button : m_buttons)
        button->setChecked(false);
    m_group->setExclusive(true);
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    placeButtons();
}

// Items share the height below the caption in equal rows, each button centred in its row.
void RadioGroup::placeButtons()
{
    if (m_buttons.empty()) return;
    const int rows = count();
    const int available = height() - CaptionHeight - InnerMargin / 2;
    const int width = this->width() - 2 * InnerMargin;
    for (int index = 0; index < rows; ++index) {
        QRadioButton* button = m_buttons[static_cast<std::size_t>(index)];
        const int rowTop = CaptionHeight + available * index / rows;
        const int rowHeight = available * (index + 1) / rows - available * index / rows;
        const int buttonHeight = button->sizeHint().height();
        button->setGeometry(InnerMargin, rowTop + (rowHeight - buttonHeight) / 2, width, buttonHeight);
    }
}

} // namespace ui
