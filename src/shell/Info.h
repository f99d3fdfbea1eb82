#pragma once
#include "shell/AboutDialog.h"

// " Informazioni su Tersalia": the product logo and the support e-mail link.
class TfrmInfo : public AboutDialog {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget *parent = nullptr);
};
