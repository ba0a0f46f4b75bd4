#pragma once

#include <QWidget>

class QLineEdit;

namespace cuevox::i18n {
class LocalizationManager;
}
namespace cuevox::state {
class RecommendationViewModel;
}

namespace cuevox::views {

// The bar's search field: a magnifier and a borderless text field on a capsule, bound both
// ways to the view model's search text.
class SearchField : public QWidget {
    Q_OBJECT

public:
    static constexpr int kMinimumWidth = 100;
    static constexpr int kMaximumWidth = 200;

    // `model` and `localization` must outlive the field.
    SearchField(state::RecommendationViewModel& model, i18n::LocalizationManager& localization,
                QWidget* parent = nullptr);

    QLineEdit& lineEdit() const { return *m_lineEdit; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void retranslate();
    void showModelText();

    state::RecommendationViewModel& m_model;
    i18n::LocalizationManager& m_localization;
    QLineEdit* m_lineEdit;
};

} // namespace cuevox::views
