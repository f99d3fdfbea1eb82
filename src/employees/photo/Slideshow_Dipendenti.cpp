#include "employees/photo/Slideshow_Dipendenti.h"

#include "core/records/Archives.h"
#include "ui/platform/Messages.h"
#include "core/platform/ProgramFolder.h"
#include "core/records/RecordFile.h"
#include "core/text/TextRules.h"
#include "employees/photo/EmployeePhoto.h"
#include "ui/card/CardScreen.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

TfrmSlideshow_Dipendenti::TfrmSlideshow_Dipendenti(QWidget *parent)
    : PhotoStage(parent, QStringLiteral(" Slide show foto dipendenti")) {
    setObjectName(QStringLiteral("frmSlideshow_Dipendenti"));
    lblPosizione = new QLabel(this);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->hide();
    cmdAvanti = new QPushButton(this);
    cmdAvanti->setObjectName(QStringLiteral("cmdAvanti"));
    cmdAvanti->hide();
    imgBianco = new QLabel(this);
    imgBianco->setObjectName(QStringLiteral("imgBianco"));
    imgBianco->setPixmap(QPixmap::fromImage(EmployeePhoto::placeholder()));
    imgBianco->hide();
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(6000);
    connect(Timer, &QTimer::timeout, this, &TfrmSlideshow_Dipendenti::cmdAvantiClick);
    connect(cmdAvanti, &QPushButton::clicked, this, &TfrmSlideshow_Dipendenti::cmdAvantiClick);
}

void TfrmSlideshow_Dipendenti::showEvent(QShowEvent *e) {
    PhotoStage::showEvent(e);
    setPicture(EmployeePhoto::placeholder());
    Timer->start();
}

void TfrmSlideshow_Dipendenti::cmdAvantiClick() {
    RecordFile file(ProgramFolder::file(Archives::employees().fileName()), Archives::employees().size());
    if (!file.open()) {
        Messages::error(this, CardScreen::archiveFailureText()); // the timer keeps running
        return;
    }
    if (Text::trim(lblPosizione->text()).isEmpty())
        lblPosizione->setText(QStringLiteral("0"));
    const qint64 shown = lblPosizione->text().toLongLong();
    const qint64 count = file.count();
    file.close();
    if (count == 0) {
        lblPosizione->clear();
        Timer->stop();
        Messages::information(this, CardScreen::emptyArchiveText());
        close();
        return;
    }
    if (shown < count) {
        lblPosizione->setText(QString::number(shown + 1));
        setPicture(EmployeePhoto::load(shown + 1));
    } else {
        lblPosizione->setText(QStringLiteral("0")); // the last photo stays one more turn
    }
}
