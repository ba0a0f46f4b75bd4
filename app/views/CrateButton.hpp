#pragma once

#include <QAbstractButton>

class QLabel;

namespace cuevox::views {

class DropDownPanel;

// The list's count, which opens the crate picker while the collection has playlists: then it
// sits on a capsule with a chevron, in the accent colour while a crate is picked. Without
// playlists it is the plain count.
class CrateButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit CrateButton(QWidget* parent = nullptr);

    // The count's text, set by the owner.
    QLabel& label() const { return *m_text; }

    void setPickable(bool pickable);
    bool isPickable() const { return m_pickable; }
    void setActive(bool active);
    bool isActive() const { return m_active; }

    // Takes ownership of what the panel shows.
    void setPanelContent(QWidget* content);
    DropDownPanel& panel() const { return *m_panel; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void restyle();

    QLabel* m_icon;
    QLabel* m_text;
    DropDownPanel* m_panel;
    bool m_pickable = false;
    bool m_active = false;
};

} // namespace cuevox::views
