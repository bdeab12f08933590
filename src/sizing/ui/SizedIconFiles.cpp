#include "sizing/ui/SizedIconFiles.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace velmora {

SizedIconFiles::SizedIconFiles(std::vector<File> files) : files_(std::move(files)) {
    std::sort(files_.begin(), files_.end(),
              [](const File& a, const File& b) { return a.size < b.size; });
}

const SizedIconFiles::File& SizedIconFiles::FileFor(int side) const {
    const auto found = std::find_if(files_.begin(), files_.end(),
                                    [side](const File& file) { return file.size >= side; });
    return found != files_.end() ? *found : files_.back();
}

const QPixmap& SizedIconFiles::Read(const File& file) {
    auto found = read_.find(file.size);
    if (found == read_.end()) {
        found = read_.emplace(file.size, QPixmap(file.path)).first;
    }
    return found->second;
}

QSize SizedIconFiles::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    if (files_.empty() || size.isEmpty()) {
        return {};
    }
    // Never larger than asked for; a square within the size asked for.
    const int room = std::min(size.width(), size.height());
    const int side = std::min(room, FileFor(room).size);
    return {side, side};
}

QPixmap SizedIconFiles::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    const QSize wanted = actualSize(size, mode, state);
    if (wanted.isEmpty()) {
        return {};
    }
    const QPixmap& image = Read(FileFor(std::max(wanted.width(), wanted.height())));
    QPixmap picture = image.size() == wanted || image.isNull()
                          ? image
                          : image.scaled(wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (mode == QIcon::Disabled && !picture.isNull() && QApplication::style() != nullptr) {
        QStyleOption option;
        option.palette = QApplication::palette();
        picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
    }
    return picture;
}

QPixmap SizedIconFiles::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                     qreal scale) {
    QPixmap picture = pixmap(size * scale, mode, state);
    picture.setDevicePixelRatio(scale);
    return picture;
}

void SizedIconFiles::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state) {
    const qreal scale = painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1;
    const QPixmap picture = scaledPixmap(rect.size(), mode, state, scale);
    const QSize shown = picture.deviceIndependentSize().toSize();
    painter->drawPixmap(QRect(rect.center() - QPoint(shown.width(), shown.height()) / 2, shown),
                        picture);
}

QList<QSize> SizedIconFiles::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (const File& file : files_) {
        sizes.append(QSize(file.size, file.size));
    }
    return sizes;
}

QIconEngine* SizedIconFiles::clone() const {
    return new SizedIconFiles(files_);
}

QString SizedIconFiles::key() const {
    return QStringLiteral("SizedIconFiles");
}

bool SizedIconFiles::isNull() {
    return files_.empty();
}

} // namespace velmora
