#pragma once

#include "views/Icons.hpp"

#include <QAbstractButton>

namespace cuevox::views {

class DropDownPanel;

// A filter's button in the bar: icon, title and a chevron on a capsule, in the accent colour
// while its filter is active. Clicking it opens its panel below it.
class FilterPillButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit FilterPillButton(Icon icon, QWidget* parent = nullptr);

    // The text is set with setText.
    void setActive(bool active);
    bool isActive() const { return m_active; }

    // Takes ownership of what the panel shows.
    void setPanelContent(QWidget* content);
    DropDownPanel& panel() const { return *m_panel; }
    bool isPresented() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void presentedChanged(bool presented);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor foreground() const;

    Icon m_icon;
    bool m_active = false;
    DropDownPanel* m_panel;
};

} // namespace cuevox::views
