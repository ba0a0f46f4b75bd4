#pragma once

#include <QAbstractButton>

namespace cuevox::views {

// One option of a checkbox list: "House (42)", a gap, and a checkbox. The whole row is the
// button; its checked state mirrors the selection and is set by the list, never by a click.
class CheckboxFilterRow : public QAbstractButton {
    Q_OBJECT

public:
    explicit CheckboxFilterRow(QWidget* parent = nullptr);

    // The label and the count as the row shows them: "House (42)".
    void setOption(const QString& label, int count, bool selected);
    // A switch rather than an option: the label alone.
    void setOption(const QString& label, bool selected);
    bool isSelected() const { return m_selected; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_selected = false;
};

} // namespace cuevox::views
