#include "employees/photo/WebCam.h"

#include "core/platform/Camera.h"
#include "ui/platform/Messages.h"
#include "core/text/TextRules.h"
#include "employees/photo/PhotoFiles.h"
#include "ui/widgets/Artwork.h"
#include "ui/card/CardParts.h"
#include "ui/windows/WindowPlacement.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {
constexpr int kW = 366, kH = 274;

QImage canvas() {
    QImage img(kW, kH, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, kH);
    g.setColorAt(0, QColor(236, 243, 250));
    g.setColorAt(1, QColor(206, 222, 238));
    p.fillRect(img.rect(), g);
    return img;
}

QPixmap fitted(const QImage &picture) {
    QPixmap pm(kW, kH);
    pm.fill(QColor(30, 40, 55));
    QPainter p(&pm);
    const QImage scaled = picture.scaled(pm.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    p.drawImage((kW - scaled.width()) / 2, (kH - scaled.height()) / 2, scaled);
    return pm;
}
} // namespace

namespace {
// One flat shape of a drawing: a rounded box, or an ellipse (radius < 0).
struct Shape {
    QColor color;
    QRectF box;
    qreal radius = -1;
};
QRectF circle(qreal x, qreal y, qreal r) { return QRectF(x - r, y - r, 2 * r, 2 * r); }

QImage drawing(std::initializer_list<Shape> shapes) {
    QImage c = canvas();
    QPainter p(&c);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (const Shape &s : shapes) {
        p.setBrush(s.color);
        if (s.radius < 0)
            p.drawEllipse(s.box);
        else
            p.drawRoundedRect(s.box, s.radius, s.radius);
    }
    return c;
}
} // namespace

// A round webcam on its stand.
QImage TfrmWebCam::webcamDrawing() {
    static const QImage img = drawing({{QColor(60, 70, 90), QRectF(163, 190, 40, 34), 6},
                                       {QColor(60, 70, 90), QRectF(128, 222, 110, 14), 7},
                                       {QColor(80, 95, 120), circle(183, 118, 78)},
                                       {QColor(30, 36, 48), circle(183, 118, 46)},
                                       {QColor(70, 120, 190), circle(183, 118, 26)},
                                       {QColor(220, 235, 255), circle(172, 106, 8)},
                                       {QColor(230, 60, 60), circle(232, 70, 6)}});
    return img;
}

// A photo camera.
QImage TfrmWebCam::photoCameraDrawing() {
    static const QImage img = drawing({{QColor(60, 70, 90), QRectF(143, 62, 80, 30), 8},
                                       {QColor(60, 70, 90), QRectF(73, 82, 220, 140), 18},
                                       {QColor(30, 36, 48), circle(183, 152, 52)},
                                       {QColor(70, 120, 190), circle(183, 152, 32)},
                                       {QColor(220, 235, 255), circle(170, 138, 9)},
                                       {QColor(240, 200, 80), QRectF(250, 96, 26, 14), 4}});
    return img;
}

TfrmWebCam::TfrmWebCam(QWidget *parent) : QDialog(parent), m_camera(Camera::create()) {
    setObjectName(QStringLiteral("frmWebCam"));
    setWindowTitle(QStringLiteral(" Cattura foto con webcam"));
    setWindowFlags(WindowPlacement::dialogFlags);
    setStyleSheet(CardParts::styleSheet());

    auto image = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QLatin1String(name));
        l->setFixedSize(kW, kH);
        l->setFrameShape(QFrame::Box);
        return l;
    };
    imgCamera = image("imgCamera");
    imgTarget = image("imgTarget");
    imgBianco = new QLabel(this);
    imgBianco->setObjectName(QStringLiteral("imgBianco"));
    imgBianco->setPixmap(QPixmap::fromImage(webcamDrawing()));
    imgBianco->hide();
    lblMemory = new QLabel(this);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
    auto button = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setMinimumHeight(34);
        return b;
    };
    btnAccendi = button("btnAccendi", QStringLiteral("Accendi webcam"));
    btnCattura = button("btnCattura", QStringLiteral("Cattura foto"));
    btnSalvaFotogramma = button("btnSalvaFotogramma", QStringLiteral("Salva foto su disco"));
    btnSpegni = button("btnSpegni", QStringLiteral("Spegni webcam"));
    btnImportaFoto = button("btnImportaFoto", QStringLiteral("Importa foto in scheda"));
    btnClose = button("btnClose", QStringLiteral("Annulla"));

    auto *g = new QGridLayout(this);
    g->setContentsMargins(16, 16, 16, 16);
    g->setSpacing(10);
    g->addWidget(imgCamera, 0, 0, 1, 2);
    g->addWidget(imgTarget, 0, 2, 1, 2);
    g->addWidget(btnAccendi, 1, 0);
    g->addWidget(btnSpegni, 1, 1);
    g->addWidget(btnCattura, 1, 2);
    g->addWidget(btnSalvaFotogramma, 1, 3);
    g->addWidget(btnImportaFoto, 2, 2);
    g->addWidget(btnClose, 2, 3);
    setFixedSize(sizeHint());

    m_live = webcamDrawing();
    imgCamera->setPixmap(fitted(m_live));
    setTarget(photoCameraDrawing());

    connect(m_camera.get(), &CameraDevice::frameReady, this, &TfrmWebCam::showLive);
    connect(btnAccendi, &QPushButton::clicked, this, [this]() {
        if (!m_camera->exists()) {
            Messages::warning(this, noCameraText());
            return;
        }
        m_camera->start();
    });
    connect(btnSpegni, &QPushButton::clicked, this, [this]() { m_camera->stop(); });
    connect(btnCattura, &QPushButton::clicked, this, &TfrmWebCam::btnCatturaClick);
    connect(btnSalvaFotogramma, &QPushButton::clicked, this, &TfrmWebCam::btnSalvaFotogrammaClick);
    connect(btnImportaFoto, &QPushButton::clicked, this, &TfrmWebCam::btnImportaFotoClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::close);
}

TfrmWebCam::~TfrmWebCam() = default;

QString TfrmWebCam::noCameraText() {
    return QStringLiteral("Attenzione: non è stata trovata nessuna webcam collegata al computer.\n\r\n\r"
                          "Collegare una webcam e premere di nuovo Accendi webcam.");
}

void TfrmWebCam::closeEvent(QCloseEvent *e) {
    m_camera->stop();
    QDialog::closeEvent(e);
}

void TfrmWebCam::showLive(const QImage &frame) {
    m_live = frame;
    imgCamera->setPixmap(fitted(m_live));
}

void TfrmWebCam::setTarget(const QImage &picture) {
    m_target = picture;
    imgTarget->setPixmap(fitted(m_target));
}

void TfrmWebCam::btnCatturaClick() { setTarget(m_live); }

void TfrmWebCam::btnSalvaFotogrammaClick() { PhotoFiles::saveAs(this, m_target); }

void TfrmWebCam::btnImportaFotoClick() {
    m_camera->stop();
    if (Text::trim(lblMemory->text()) != QLatin1String("euro_01"))
        return;
    if (m_import)
        m_import(m_target);
    close();
}
