#pragma once
#include "ui/search/SearchScreen.h"

// " Trova dipendenti in archivio": the employee search, sorted. Opened by the
// employee card ("dipendenti") and by the working-hours summary
// ("riepstraordinari"), each handing its own hand-back.
class TfrmTrovaDipendenti : public SearchScreen {
    Q_OBJECT
public:
    explicit TfrmTrovaDipendenti(QWidget *parent = nullptr);
    static LineFormat lineFormat();
};
