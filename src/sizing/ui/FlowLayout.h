#pragma once
// A layout that sets its items side by side in rows, each row as full as the
// width holds and centred, and starts a new row where the next item would
// not fit; the height follows the width.

#include <QLayout>
#include <vector>

namespace velmora {

class FlowLayout : public QLayout {
public:
    FlowLayout(QWidget* parent, int across, int down);
    ~FlowLayout() override;
    FlowLayout(const FlowLayout&) = delete;
    FlowLayout& operator=(const FlowLayout&) = delete;

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Lays the items out in `rect` (placing them when `place`); the height used.
    int Arrange(const QRect& rect, bool place) const;

    std::vector<QLayoutItem*> items_;
    int across_; // between items in a row
    int down_;   // between rows
};

} // namespace velmora
