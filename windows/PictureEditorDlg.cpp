#include "windows/PictureEditorDlg.h"

#include "widgets/DialogUnits.h"
#include "widgets/MessageBox.h"
#include "album/Settings.h"
#include "widgets/WaitCursor.h"
#include "windows/CropFrame.h"
#include "render/HandheldRender.h"
#include "windows/NameDlg.h"
#include "windows/PictureEditorOwner.h"
#include "album/PictureStore.h"
#include "render/ReducedFirstSource.h"
#include "res/Resources.h"

#include <QEvent>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

namespace {

QLabel *addText(QWidget *parent, const QString &text, const QRect &place)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Group boxes and frames are drawn behind the controls they surround.
void addGroup(QWidget *parent, const QString &title, const QRect &place)
{
    auto *group = new QGroupBox(title, parent);
    group->setGeometry(place);
    group->lower();
}

// A sunken border around a control whose client area is exactly side by side pixels.
QRect clientArea(const QRect &templatePlace, int border, int side)
{
    return QRect(templatePlace.topLeft() + QPoint(border, border), QSize(side, side));
}

} // namespace

CPictureEditorDlg::CPictureEditorDlg(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QString::number(ResourceId::PictureEditorDialog));
    setFont(DialogFont());
    setWindowTitle(QStringLiteral("Vellumo Picture Editor"));
    setSizeGripEnabled(true);
    resize(DialogRect(0, 0, 404, 271).size());
    buildControls();
}

CPictureEditorDlg::~CPictureEditorDlg() = default;

void CPictureEditorDlg::buildControls()
{
    constexpr int border = 2;
    // Template order, which is also the tab order.
    auto *save = new QPushButton(QStringLiteral("&Save"), this);
    save->setObjectName(QString::number(EditorId::Save));
    save->setGeometry(DialogRect(350, 253, 50, 14));
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &CPictureEditorDlg::accept);

    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QString::number(EditorId::Cancel));
    cancel->setGeometry(DialogRect(292, 253, 50, 14));
    connect(cancel, &QPushButton::clicked, this, &CPictureEditorDlg::reject);

    const QRect cropPlace = DialogRect(16, 7, 160, 148);
    auto *cropBorder = new QFrame(this);
    cropBorder->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    cropBorder->setLineWidth(border);
    cropBorder->setGeometry(QRect(cropPlace.topLeft(),
                                  QSize(kControlClientSide + 2 * border, kControlClientSide + 2 * border)));
    m_cropFrame = new CCropFrame(this);
    m_cropFrame->setObjectName(QString::number(EditorId::CropArea));
    m_cropFrame->setGeometry(clientArea(cropPlace, border, kControlClientSide));

    m_previewControl = new QLabel(this);
    m_previewControl->setObjectName(QString::number(EditorId::Preview));
    m_previewControl->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_previewControl->setLineWidth(border);
    m_previewControl->setAlignment(Qt::AlignCenter);
    m_previewControl->setGeometry(QRect(DialogRect(227, 7, 160, 148).topLeft(),
                                        QSize(kControlClientSide + 2 * border,
                                              kControlClientSide + 2 * border)));

    addText(this, QStringLiteral("Move the frame around to create the Vellumo picture you want."),
            DialogRect(12, 177, 163, 20));
    addText(this, QStringLiteral("Choose the best gray-scale for your handheld."),
            DialogRect(12, 204, 163, 8));
    addText(this, QStringLiteral("Adjust the contrast to make the clearest picture."),
            DialogRect(12, 226, 163, 8));

    m_gray16Button = new QRadioButton(QStringLiteral("16-Level Gray (Palm IIIe, Palm IIIx, Palm V only)"), this);
    m_gray16Button->setObjectName(QString::number(EditorId::Gray16));
    m_gray16Button->setGeometry(DialogRect(224, 176, 165, 10));
    connect(m_gray16Button, &QRadioButton::clicked, this, &CPictureEditorDlg::OnGray16);

    m_gray4Button = new QRadioButton(QStringLiteral("4-Level Gray (PalmPilot, Palm III)"), this);
    m_gray4Button->setObjectName(QString::number(EditorId::Gray4));
    m_gray4Button->setGeometry(DialogRect(224, 189, 118, 10));
    connect(m_gray4Button, &QRadioButton::clicked, this, &CPictureEditorDlg::OnGray4);
    WidenToFitText(m_gray16Button);
    WidenToFitText(m_gray4Button);

    addText(this, QStringLiteral("Low"), DialogRect(229, 225, 14, 8));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setObjectName(QString::number(EditorId::Contrast));
    m_slider->setGeometry(DialogRect(249, 222, 120, 15));
    m_slider->setTickPosition(QSlider::NoTicks);
    m_slider->installEventFilter(this);
    connect(m_slider, &QSlider::valueChanged, this, &CPictureEditorDlg::OnSliderValueChanged);
    addText(this, QStringLiteral("High"), DialogRect(373, 225, 16, 8));

    addGroup(this, QStringLiteral("Contrast"), DialogRect(213, 210, 187, 34));
    addGroup(this, QStringLiteral("Gray-scale"), DialogRect(213, 165, 187, 39));
    addGroup(this, QStringLiteral("Instructions"), DialogRect(3, 165, 187, 79));
    cropBorder->lower();
}

bool CPictureEditorDlg::LoadSource(const QString &path)
{
    m_source = ImgBitmap();
    m_reducedFirst = ReducedFirstSource::Open(path, m_cropFrame->size());
    return m_reducedFirst || m_source.Load(path);
}

QSize CPictureEditorDlg::SourceSize() const
{
    if (m_reducedFirst && !m_source.IsAllocated())
        return m_reducedFirst->size();
    return QSize(m_source.GetWidth(), m_source.GetHeight());
}

void CPictureEditorDlg::setVisible(bool visible)
{
    // The caller fills m_source after construction, so set up when the editor first shows.
    if (visible && !m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}

bool CPictureEditorDlg::OnInitDialog()
{
    Settings settings;
    m_contrast = settings.contrast();
    // Setting the slider up is no movement of the user's.
    const QSignalBlocker quiet(m_slider);
    m_slider->setRange(-1000, 1000);
    m_slider->setTickInterval(100);
    m_slider->setPageStep(100);
    // A stored contrast outside the range is rendered as stored; the slider shows the nearer end.
    m_slider->setValue(m_contrast);

    m_grayLevel = settings.grayLevel();
    if (m_grayLevel == 2)
        m_gray16Button->setChecked(true);
    else
        m_gray4Button->setChecked(true);

    ScaleToFit();
    return true;
}

void CPictureEditorDlg::ScaleToFit()
{
    const QSize control = m_cropFrame->size();
    const ViewGeometry view = ComputeViewGeometry(SourceSize(), control);
    m_cropFrame->m_scale = view.placement.scale;
    m_cropFrame->m_offsetX = view.placement.offsetX;
    m_cropFrame->m_offsetY = view.placement.offsetY;

    m_view = m_source.IsAllocated() || !m_reducedFirst ? m_source : m_reducedFirst->reduced();
    m_view.Size(view.scaledSize.width(), view.scaledSize.height());
    m_background = OnBlackCanvas(m_view, control, view.scaledSize,
                                 QPoint(view.placement.offsetX, view.placement.offsetY));
    m_cropFrame->SetBackground(QPixmap::fromImage(m_background.ToQImage()));

    const CropRect &b = view.bounds;
    m_cropFrame->SetBounds(b.left, b.top, b.right, b.bottom);
    const CropRect &f = view.initialFrame;
    m_cropFrame->SetFrame(f.left, f.top, f.right, f.bottom);
    RenderPreview(f);
}

void CPictureEditorDlg::RenderPreview(CropRect frame)
{
    const ViewPlacement placement{m_cropFrame->m_scale, m_cropFrame->m_offsetX,
                                  m_cropFrame->m_offsetY};
    std::optional<HandheldPicture> rendered;
    m_frameAwaitingSource.reset();
    // A large JPEG's frames are rendered from the decode its rule picks, never from whatever
    // happens to be decoded, so that Save writes what vellumo-album renders.
    if (!m_reducedFirst) {
        rendered = RenderHandheld(m_source, frame, placement, m_grayLevel, m_contrast);
    } else {
        ReducedFirstSource::Render standIn = m_reducedFirst->render(frame, placement, m_grayLevel, m_contrast);
        rendered = std::move(standIn.picture);
        if (standIn.needsFullPicture) {
            m_frameAwaitingSource = frame;
            m_reducedFirst->startFullDecode([this] {
                QMetaObject::invokeMethod(this, &CPictureEditorDlg::AdoptFullSource, Qt::QueuedConnection);
            });
        }
    }
    // A frame that covers no source pixels keeps the last result and preview.
    if (!rendered)
        return;
    m_result = rendered->picture;
    m_preview = ComposePreview(m_result, m_previewControl->contentsRect().size());
    m_previewControl->setPixmap(QPixmap::fromImage(m_preview.ToQImage()));
}

void CPictureEditorDlg::AdoptFullSource()
{
    if (m_source.IsAllocated())
        return;
    m_source = m_reducedFirst->fullPicture();
    if (m_source.IsAllocated() && m_frameAwaitingSource)
        RenderPreview(*m_frameAwaitingSource);
}

// The picture saved is never a stand-in while the full-size picture can still come.
void CPictureEditorDlg::FinishAwaitedRender()
{
    if (!m_frameAwaitingSource)
        return;
    WaitCursor wait;
    m_reducedFirst->waitForFullDecode();
    AdoptFullSource();
}

void CPictureEditorDlg::OnGray16()
{
    m_grayLevel = 2;
    RenderPreview(m_cropFrame->GetFrame());
}

void CPictureEditorDlg::OnGray4()
{
    m_grayLevel = 1;
    RenderPreview(m_cropFrame->GetFrame());
}

void CPictureEditorDlg::OnHScroll(int code)
{
    if (code != kEndTrack)
        return;
    const int position = m_slider->value();
    if (position == m_contrast)
        return;
    m_contrast = position;
    RenderPreview(m_cropFrame->GetFrame());
}

bool CPictureEditorDlg::eventFilter(QObject *watched, QEvent *event)
{
    // A key or mouse button held on the slider makes one movement, which ends when it is let
    // go or when the slider loses the focus (the release then lands elsewhere).
    if (watched == m_slider) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            m_sliderHeld = true;
            break;
        case QEvent::KeyRelease:
            if (static_cast<QKeyEvent *>(event)->isAutoRepeat())
                break;
            Q_FALLTHROUGH();
        case QEvent::MouseButtonRelease:
        case QEvent::FocusOut:
            m_sliderHeld = false;
            EndSliderMovement();
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CPictureEditorDlg::OnSliderValueChanged()
{
    // Moved with nothing held (the wheel): that movement has ended already.
    if (!m_sliderHeld)
        EndSliderMovement();
}

void CPictureEditorDlg::EndSliderMovement()
{
    // Queued, so that the slider has taken its final position first, and once per movement.
    if (m_endTrackQueued)
        return;
    m_endTrackQueued = true;
    QMetaObject::invokeMethod(this, [this] {
        m_endTrackQueued = false;
        OnHScroll(kEndTrack);
    }, Qt::QueuedConnection);
}

void CPictureEditorDlg::WriteSettings()
{
    Settings settings;
    settings.setGrayLevel(m_grayLevel);
    settings.setContrast(m_contrast);
    settings.sync();
}

void CPictureEditorDlg::reject()
{
    const MessageAnswer answer =
        ShowMessageBox(this, QStringLiteral("Should I discard the new picture?"),
                       QStringLiteral("Cancel"), MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    WriteSettings();
    QDialog::reject();
}

void CPictureEditorDlg::accept()
{
    // Only the album window that opened the editor knows where its pictures belong.
    const auto *owner = dynamic_cast<const PictureEditorOwner *>(parentWidget());
    if (!owner) {
        ShowMessageBox(this, QStringLiteral("The picture cannot be saved: this editor was not "
                                            "opened from an album."),
                       QStringLiteral("Error"));
        return;
    }
    // A picture too thin to show at the crop control's scale renders nothing to save.
    if (!m_result.IsAllocated()) {
        ShowMessageBox(this,
                       QStringLiteral("There is no picture to save: this picture is too narrow or "
                                      "too short to show in the editor. Press Cancel and choose "
                                      "another picture."),
                       QStringLiteral("Save"), MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    CNameDlg prompt(this);
    prompt.m_title = QStringLiteral("Picture Name");
    prompt.m_name = QStringLiteral("New Picture");
    prompt.m_prompt = QStringLiteral("Enter a name for the new picture.  Maximum 15 characters.");
    if (prompt.exec() != QDialog::Accepted)
        return;
    m_name = prompt.m_name;
    FinishAwaitedRender();
    if (!SavePicture(owner->dataDir()))
        return;
    WriteSettings();
    QDialog::accept();
}

bool CPictureEditorDlg::SavePicture(const QString &dataDir)
{
    const PictureSaveResult saved = SaveNewPicture(m_result, dataDir);
    if (saved.error != PictureSaveError::None) {
        ShowMessageBox(this, PictureSaveErrorText(saved, dataDir), QStringLiteral("Error"));
        return false;
    }
    m_path = saved.path;
    return true;
}
