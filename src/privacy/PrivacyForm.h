#pragma once
// What the client card uses of the privacy module: the consent screen, opened
// modally on the client's values.
#include <QList>
#include <QPair>
#include <QString>

class QWidget;

namespace PrivacyForm {

// Values by control name of the privacy screen (txtPaziente, txtComuneNasc,
// txtProvNasc, txtDataNasc, txtComuneRes, txtProvRes, txtCapRes,
// txtIndirizzo, txtCodFisc, txtRecapito), each trimmed; the date is today's.
using ClientValues = QList<QPair<const char *, QString>>;
void open(QWidget *parent, const ClientValues &client);

} // namespace PrivacyForm
