#pragma once
#include "employees/photo/PhotoStage.h"

// " Fai clic sulla foto per chiudere questa finestra": the card's photo full
// screen, enlarged or reduced to the screen, proportions kept.
class TfrmZoom : public PhotoStage {
    Q_OBJECT
public:
    explicit TfrmZoom(QWidget *parent = nullptr);
};
