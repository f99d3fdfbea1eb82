#pragma once
// What the cards use of the check tools: each opens its check screen modally
// on a field's value, owned by parent, and returns nothing.
class QString;
class QWidget;

namespace Checks {
// The tax-code button: a non-empty code of digits only is a company's VAT
// number and goes to the VAT check; anything else to the tax-code check.
void taxCodeField(QWidget *parent, const QString &fieldText);
void vatNumber(QWidget *parent, const QString &number);
void cardNumber(QWidget *parent, const QString &number);
void iban(QWidget *parent, const QString &iban);
} // namespace Checks
