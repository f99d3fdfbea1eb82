#include "clients/ClientSearch.h"

#include "clients/TrovaClienti.h"
#include "ui/windows/Satellite.h"

#include <QLabel>

namespace ClientSearch {
void open(QWidget *opener, const QString &callerText, HandBack handBack) {
    openSatellite<TfrmTrovaClienti>(opener, [&](TfrmTrovaClienti *search) {
        search->lblMemory->setText(callerText);
        search->setHandBack(std::move(handBack));
    });
}
} // namespace ClientSearch
