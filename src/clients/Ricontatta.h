#pragma once
#include "ui/lists/SummaryScreen.h"

// " Riepilogo clienti da ricontattare": the clients whose card has
// "Da ricontattare" ticked, with their pending issues; a double-click brings
// the client back on the card.
class TfrmRicontatta : public SummaryScreen {
    Q_OBJECT
public:
    explicit TfrmRicontatta(QWidget *parent = nullptr);

    // The client search's line with the pending issues in the last place.
    static LineFormat line();

protected:
    bool selects(const char *record) const override;
};
