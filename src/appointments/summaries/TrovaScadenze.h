#pragma once
// Lists appointments/summaries/AppointmentLine.
#include "ui/search/SearchScreen.h"

// " Trova appuntamenti in archivio": the appointment search, in file order.
class TfrmTrovaScadenze : public SearchScreen {
    Q_OBJECT
public:
    explicit TfrmTrovaScadenze(QWidget *parent = nullptr);
};
