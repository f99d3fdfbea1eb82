#include "core/platform/Camera.h"

#include <QCamera>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QVideoFrame>
#include <QVideoSink>

namespace {

class QtCamera : public CameraDevice {
public:
    QtCamera() {
        if (QMediaDevices::videoInputs().isEmpty())
            return;
        m_camera = new QCamera(QMediaDevices::defaultVideoInput(), this);
        m_sink = new QVideoSink(this);
        m_session = new QMediaCaptureSession(this);
        m_session->setCamera(m_camera);
        m_session->setVideoSink(m_sink);
        // The sink may report its frames from another thread: the context
        // object queues the conversion onto the user-interface thread.
        connect(m_sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame &frame) {
            if (!m_camera || !m_camera->isActive())
                return;
            const QImage picture = frame.toImage();
            if (!picture.isNull())
                emit frameReady(picture);
        });
    }
    bool exists() const override { return m_camera != nullptr; }
    void start() override {
        if (m_camera && m_camera->isAvailable())
            m_camera->start();
    }
    void stop() override {
        if (m_camera)
            m_camera->stop();
    }
    bool isActive() const override { return m_camera && m_camera->isActive(); }

private:
    QCamera *m_camera = nullptr;
    QVideoSink *m_sink = nullptr;
    QMediaCaptureSession *m_session = nullptr;
};

std::function<std::unique_ptr<CameraDevice>()> &factory() {
    static std::function<std::unique_ptr<CameraDevice>()> f;
    return f;
}

} // namespace

namespace Camera {

std::unique_ptr<CameraDevice> create() {
    if (factory())
        return factory()();
    return std::make_unique<QtCamera>();
}

void setFactory(std::function<std::unique_ptr<CameraDevice>()> f) { factory() = std::move(f); }

} // namespace Camera
