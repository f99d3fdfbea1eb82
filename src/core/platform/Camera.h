#pragma once
// The webcam goes through here, so tests can feed frames of their own. The
// real camera is the platform's default video input through Qt Multimedia; a
// camera exists only when the platform lists a video input, and frames are
// handed on only while the camera is really active (never test pictures
// offered when no device exists).
#include <QImage>
#include <QObject>

#include <functional>
#include <memory>

class CameraDevice : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Whether the platform lists a video input to switch on.
    virtual bool exists() const = 0;
    // Switches the camera on (nothing when there is none or it cannot start).
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;

signals:
    // A new picture of the live view, on the user-interface thread.
    void frameReady(const QImage &frame);
};

namespace Camera {

// A new camera device for a capture screen, owned by the caller.
std::unique_ptr<CameraDevice> create();
// Replaces how devices are made (an empty function restores the real camera).
void setFactory(std::function<std::unique_ptr<CameraDevice>()> factory);

} // namespace Camera
