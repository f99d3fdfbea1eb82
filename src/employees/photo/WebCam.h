#pragma once
// " Cattura foto con webcam": the live view of the default camera, a captured
// frame, saving it to a file and importing it into the employee card.
// Drives core/platform/Camera; saves through employees/photo/PhotoFiles.
#include <QDialog>
#include <QImage>

#include <functional>
#include <memory>

class CameraDevice;
class QLabel;
class QPushButton;

class TfrmWebCam : public QDialog {
    Q_OBJECT
public:
    explicit TfrmWebCam(QWidget *parent = nullptr);
    ~TfrmWebCam() override;

    QLabel *imgCamera, *imgTarget;
    QPushButton *btnAccendi, *btnCattura, *btnSalvaFotogramma, *btnSpegni, *btnImportaFoto, *btnClose;
    QLabel *imgBianco; // hidden: the webcam drawing
    QLabel *lblMemory; // hidden: the caller text

    // Where "Importa foto in scheda" puts the captured picture (given by the opener).
    void setImport(std::function<void(const QImage &)> import) { m_import = std::move(import); }
    QImage livePicture() const { return m_live; }
    QImage capturedPicture() const { return m_target; }
    CameraDevice *camera() const { return m_camera.get(); }

    static QImage webcamDrawing();
    static QImage photoCameraDrawing();
    // Told when "Accendi webcam" finds no camera to switch on.
    static QString noCameraText();

    void btnCatturaClick();
    void btnImportaFotoClick();
    void btnSalvaFotogrammaClick();

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void showLive(const QImage &frame);
    void setTarget(const QImage &picture);

    std::unique_ptr<CameraDevice> m_camera;
    std::function<void(const QImage &)> m_import;
    QImage m_live, m_target;
};
