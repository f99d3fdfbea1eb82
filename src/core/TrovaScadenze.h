#pragma once
#include "core/SearchScreen.h"

// " Trova appuntamenti in archivio": the appointment search, in file order.
class TfrmTrovaScadenze : public SearchScreen {
    Q_OBJECT
public:
    explicit TfrmTrovaScadenze(QWidget *parent = nullptr);

protected:
    bool handBack(const Record &record, qint64 number) override;
};
