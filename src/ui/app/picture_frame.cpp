#include "ui/app/picture_frame.h"

#include <QImageReader>
#include <QPainter>

namespace bulbicalc::ui {

PictureFrame::PictureFrame(QWidget* parent) : QFrame(parent)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

bool PictureFrame::load(const std::filesystem::path& file)
{
    QImageReader reader(QString::fromStdString(file.string()));
    // Photographs carry their orientation in the file.
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    picture_ = image.isNull() ? QPixmap() : QPixmap::fromImage(image);
    scaled_ = QPixmap();
    update();
    return hasPicture();
}

void PictureFrame::setKeepAspectRatio(bool keep)
{
    if (keepAspectRatio_ == keep)
        return;
    keepAspectRatio_ = keep;
    scaled_ = QPixmap();
    update();
}

QRect PictureFrame::pictureRect() const
{
    const QRect area = contentsRect();
    if (!hasPicture() || area.isEmpty())
        return {};
    if (!keepAspectRatio_)
        return area;
    const QSize size = picture_.size().scaled(area.size(), Qt::KeepAspectRatio);
    QRect rect(QPoint(0, 0), size);
    rect.moveCenter(area.center());
    return rect;
}

void PictureFrame::resizeEvent(QResizeEvent* event)
{
    scaled_ = QPixmap();
    QFrame::resizeEvent(event);
}

void PictureFrame::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    const QRect target = pictureRect();
    if (target.isEmpty())
        return;
    // Scaling a photograph of several megapixels on every paint would be slow.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = target.size() * ratio;
    if (scaled_.size() != pixels) {
        scaled_ = picture_.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        scaled_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(target.topLeft(), scaled_);
}

} // namespace bulbicalc::ui
