#pragma once
#include "shell/AboutDialog.h"

// The credits screen: the credits artwork and the website link.
class TfrmSplash : public AboutDialog {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);
};
