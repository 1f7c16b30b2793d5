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
    file_ = QString::fromStdString(file.string());
    QImageReader reader(file_);
    // Photographs carry their orientation in the file.
    reader.setAutoTransform(true);
    // The size as shown: an orientation that turns the picture swaps it.
    QSize size = reader.canRead() ? reader.size() : QSize();
    if (size.isValid() && reader.transformation().testFlag(QImageIOHandler::TransformationRotate90))
        size.transpose();
    pictureSize_ = size;
    picture_ = QPixmap();
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
    // The header's size until the picture is decoded, so that the first
    // paint already keeps the proportions.
    const QSize picture = picture_.isNull() ? pictureSize_ : picture_.size();
    const QSize size = picture.scaled(area.size(), Qt::KeepAspectRatio);
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
    if (pictureRect().isEmpty())
        return;
    if (picture_.isNull()) {
        QImageReader reader(file_);
        reader.setAutoTransform(true);
        const QImage image = reader.read();
        if (image.isNull()) {
            // A file whose header reads but whose picture does not (cut
            // short, damaged, too large to hold): the frame stays empty, and
            // the file is not read again on every paint.
            file_.clear();
            pictureSize_ = QSize();
            return;
        }
        picture_ = QPixmap::fromImage(image);
    }
    const QRect target = pictureRect();
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
