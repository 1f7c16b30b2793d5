#pragma once

#include <QFrame>
#include <QPixmap>
#include <QString>

#include <filesystem>

namespace bulbicalc::ui {

// A picture frame (TImage): shows an image file stretched to the frame, or
// scaled to fit with its proportions kept. A missing or unreadable file leaves
// the frame empty; it is never an error. So does a file whose header reads but
// whose picture does not decode (cut short, damaged, too large): the frame
// empties at its first paint.
//
// Loading reads only the file's header (the size the layout needs); the
// picture is decoded when the frame is first painted, so pictures on tabs the
// user never opens cost neither time nor memory.
class PictureFrame : public QFrame {
    Q_OBJECT
    Q_PROPERTY(bool keepAspectRatio READ keepAspectRatio WRITE setKeepAspectRatio)
public:
    explicit PictureFrame(QWidget* parent = nullptr);

    // Takes the picture's file; returns false (and shows nothing) when its
    // header cannot be read.
    bool load(const std::filesystem::path& file);
    // Whether the frame shows a picture: its header read, and its picture
    // decoded or not tried yet.
    bool hasPicture() const { return pictureSize_.isValid(); }
    QSize pictureSize() const { return pictureSize_; }
    // Whether the picture has been decoded (it is, once the frame is painted).
    bool isDecoded() const { return !picture_.isNull(); }

    bool keepAspectRatio() const { return keepAspectRatio_; }
    void setKeepAspectRatio(bool keep);

    // Where the picture is drawn inside the frame (empty without a picture).
    QRect pictureRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString file_;
    QSize pictureSize_;
    QPixmap picture_;
    QPixmap scaled_; // the picture at the size of pictureRect() in device pixels
    bool keepAspectRatio_ = false;
};

} // namespace bulbicalc::ui
