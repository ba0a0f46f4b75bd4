#pragma once

#include <QString>
#include <QWidget>

namespace cuevox::artwork {
class ArtworkLoader;
}

namespace cuevox::views {

// A square of artwork for one audio file, redrawn when the loader brings its image.
class ArtworkView : public QWidget {
    Q_OBJECT

public:
    // `loader` must outlive the view.
    ArtworkView(artwork::ArtworkLoader& loader, int size, QWidget* parent = nullptr);

    // An empty path shows the placeholder and is never loaded.
    void setFilepath(const QString& path);
    const QString& filepath() const { return m_path; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    artwork::ArtworkLoader& m_loader;
    QString m_path;
};

} // namespace cuevox::views
