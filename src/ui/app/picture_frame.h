#pragma once

#include <QFrame>
#include <QPixmap>

#include <filesystem>

namespace bulbicalc::ui {

// A picture frame (TImage): shows an image file stretched to the frame, or
// scaled to fit with its proportions kept. A missing or unreadable file leaves
// the frame empty; it is never an error.
class PictureFrame : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool keepAspectRatio READ keepAspectRatio WRITE setKeepAspectRatio)
public:
    explicit PictureFrame(QWidget* parent = nullptr);

    // Loads the picture; returns false (and shows nothing) when it cannot be read.
    bool load(const std::filesystem::path& file);
    bool hasPicture() const { return !picture_.isNull(); }
    QSize pictureSize() const { return picture_.size(); }

    bool keepAspectRatio() const { return keepAspectRatio_; }
    void setKeepAspectRatio(bool keep);

    // Where the picture is drawn inside the frame (empty without a picture).
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap picture_;
    QPixmap scaled_; // the picture at the size of pictureRect() in device pixels
    bool keepAspectRatio_ = false;
};

} // namespace bulbicalc::ui
