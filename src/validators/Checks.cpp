#include "validators/Checks.h"

#include "validators/Carta.h"
#include "validators/CodFisc.h"
#include "validators/Iban.h"
#include "validators/PartitaIVA.h"

namespace Checks {
void taxCodeField(QWidget *parent, const QString &fieldText) { TfrmCodFisc::checkTaxCodeField(parent, fieldText); }
void vatNumber(QWidget *parent, const QString &number) { TfrmPartitaIva::check(parent, number); }
void cardNumber(QWidget *parent, const QString &number) { TfrmCarta::check(parent, number); }
void iban(QWidget *parent, const QString &iban) { TfrmIban::check(parent, iban); }
} // namespace Checks
