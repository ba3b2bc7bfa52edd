#pragma once

#include "windows/CropFrameOwner.h"
#include "imaging/Bitmap.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <optional>

class CCropFrame;
class ReducedFirstSource;
class QLabel;
class QRadioButton;
class QSlider;

// Control ids of the picture editor.
namespace EditorId {
constexpr int Save = 1;
constexpr int Cancel = 2;
constexpr int CropArea = 1011;
constexpr int Preview = 1014;
constexpr int Contrast = 1015;
constexpr int Gray16 = 1016;
constexpr int Gray4 = 1017;
} // namespace EditorId

// Turns one incoming picture into a handheld picture: the whole picture with a crop frame
// on the left, the 160 by 160 gray result on the right, the gray depth and the contrast
// below. The caller sets m_source, or opens an image file with LoadSource, before running
// it; Save writes into the data directory of
// the parent, a PictureEditorOwner. After OK, m_name, m_path and m_grayLevel describe the
// picture file written.
class CPictureEditorDlg : public QDialog, public CropFrameOwner {
    Q_OBJECT
public:
    static constexpr int kEndTrack = 8;          // the end of a slider movement
    static constexpr int kControlClientSide = 236;

    explicit CPictureEditorDlg(QWidget *parent = nullptr);
    ~CPictureEditorDlg() override;

    // The picture of an image file to edit. A large JPEG is opened at a reduced size and shown
    // from that (see ReducedFirstSource); m_source then stays empty until a frame needs the
    // full-size picture and its decode on a worker thread has ended. Anything else is loaded
    // into m_source. False when the file cannot be read.
    bool LoadSource(const QString &path);

    void setVisible(bool visible) override;
    void RenderPreview(CropRect frame) override;

    ImgBitmap m_source;
    QString m_path;
    int m_grayLevel = 0;
    QString m_name;
    QRadioButton *m_gray16Button = nullptr;
    int m_contrast = 0;
    ImgBitmap m_result;
    ImgBitmap m_preview;
    ImgBitmap m_background;
    ImgBitmap m_view;
    CCropFrame *m_cropFrame = nullptr;

public slots:
    void OnGray16();
    void OnGray4();
    void OnHScroll(int code);
    void accept() override;   // "&Save"
    void reject() override;   // "Cancel", Escape and the close box

protected:
    bool OnInitDialog();
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void ScaleToFit();
    void OnSliderValueChanged();
    void EndSliderMovement();
    bool SavePicture(const QString &dataDir);
    void WriteSettings();
    QSize SourceSize() const;
    void AdoptFullSource();
    void FinishAwaitedRender();

    QRadioButton *m_gray4Button = nullptr;
    QSlider *m_slider = nullptr;
    QLabel *m_previewControl = nullptr;
    bool m_initialised = false;
    std::unique_ptr<ReducedFirstSource> m_reducedFirst;
    // The frame last rendered from a stand-in, to render again once m_source is there.
    std::optional<CropRect> m_frameAwaitingSource;
    bool m_sliderHeld = false;       // a key or mouse button pressed on the slider, not let go
    bool m_endTrackQueued = false;
};
