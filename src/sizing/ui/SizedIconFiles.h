#pragma once
// An icon drawn from one image file per size, each file read only when a
// picture of about its size is first asked for. A plain QIcon reads every
// file as it is added, which at start-up would decode images that no window
// system may ever ask for.

#include <QIconEngine>
#include <QPixmap>
#include <QString>
#include <map>
#include <vector>

namespace velmora {

class SizedIconFiles final : public QIconEngine {
public:
    struct File {
        int size = 0; // the image's width and height
        QString path;
    };

    // `files` in any order; each image square.
    explicit SizedIconFiles(std::vector<File> files);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;
    bool isNull() override;

private:
    // The smallest image at least as large as `side`, else the largest.
    const File& FileFor(int side) const;
    const QPixmap& Read(const File& file);

    std::vector<File> files_;     // smallest first
    std::map<int, QPixmap> read_; // by size
};

} // namespace velmora
