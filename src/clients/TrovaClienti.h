#pragma once
#include "ui/search/SearchScreen.h"

// " Trova clienti in archivio": the client search, sorted by its line. The
// opener says where the chosen client goes (its caller text and hand-back).
class TfrmTrovaClienti : public SearchScreen {
    Q_OBJECT
public:
    explicit TfrmTrovaClienti(QWidget *parent = nullptr);

    // A client's result line: name, preferred telephone, occupation, products, notes.
    static LineFormat line();
};
