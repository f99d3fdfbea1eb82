#pragma once
#include "employees/photo/PhotoStage.h"

class QLabel;
class QPushButton;
class QTimer;

// " Slide show foto dipendenti": every employee's photo in turn, one every
// six seconds, from employee 1; the last one stays for one more turn, then
// the show starts again. A click closes it.
class TfrmSlideshow_Dipendenti : public PhotoStage {
    Q_OBJECT
public:
    explicit TfrmSlideshow_Dipendenti(QWidget *parent = nullptr);

    QLabel *lblPosizione;   // hidden: the employee on show, "0" after the last
    QPushButton *cmdAvanti; // hidden: one step
    QLabel *imgBianco;      // hidden: the placeholder photo
    QTimer *Timer;

    void cmdAvantiClick();

protected:
    void showEvent(QShowEvent *e) override;
};
