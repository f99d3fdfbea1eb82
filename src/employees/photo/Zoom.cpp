#include "employees/photo/Zoom.h"

TfrmZoom::TfrmZoom(QWidget *parent)
    : PhotoStage(parent, QStringLiteral(" Fai clic sulla foto per chiudere questa finestra")) {
    setObjectName(QStringLiteral("frmZoom"));
}
