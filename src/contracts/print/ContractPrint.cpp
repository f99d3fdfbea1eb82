#include "contracts/print/ContractPrint.h"

#include "core/records/FieldAliases.h"
#include "core/text/TextRules.h"
#include "reports/ReportEngine.h"

namespace ContractPrint {

QStringList articleTitles() {
    ReportEngine engine;
    QStringList titles;
    if (!engine.load(QStringLiteral(":/reports/Contratto.json")))
        return titles;
    for (int n = 1; n <= 17; ++n)
        if (const ReportObject *o =
                engine.findObject(QStringLiteral("titArticolo%1").arg(n, 2, 10, QLatin1Char('0'))))
            titles << o->text();
    return titles;
}

bool fill(ReportEngine &engine, const Record &c, const QImage &logo) {
    if (!engine.load(QStringLiteral(":/reports/Contratto.json")))
        return false;
    engine.setOrientation(QPageLayout::Portrait);
    if (!engine.setPicture(QStringLiteral("imgLogo"), logo))
        return false;
    const auto v = [&c](const char *field) { return Text::trim(c.get(field)); };
    const QString two = QStringLiteral("  "), five = QStringLiteral("     ");
    const QList<std::pair<const char *, QString>> texts = {
        {"txtNumContratto", v("txtNumContratto")},
        {"txtData", v("txtData")},
        {"txtLuogo", v("txtLuogo")},
        {"txtDitta", v("txtDitta")},
        {"txtCliente", v("txtCliente")},
        {"txtPartitaIva", QStringLiteral("P. IVA: ") + v("txtPartitaIva")},
        {"txtCodFisc", QStringLiteral("C.F. ") + v("txtCodFisc")},
        {"txtSede", QStringLiteral("Sede legale:  ") + v("txtSede") + two + v("txtProvRes") + five +
                        QStringLiteral("CAP:  ") + v("txtCapRes") + five + v("txtVia")},
        {"txtTelUff", QStringLiteral("Tel.  ") + v("txtTelUff")},
        {"txtTelCel", QStringLiteral("PEC:  ") + v(ContractField::Pec)},
        {"txtFax", QStringLiteral("Rappresentante legale:  ") + v(ContractField::Responsabile)},
        {"txtPartitaIvaCli", QStringLiteral("P. IVA: ") + v("txtPartitaIvaCli")},
        {"txtCodFiscCli", QStringLiteral("C.F. ") + v("txtCodFiscCli")},
        {"txtComuneCli", QStringLiteral("Residenza:  ") + v("txtComuneCli") + two + v("txtProvCli") + five +
                             QStringLiteral("CAP:  ") + v("txtCapCli") + five + v("txtViaCli")},
        {"txtTelCli", QStringLiteral("Tel.  ") + v("txtTelCli")},
        {"txtTipoImpianto", v(ContractField::TipoImmobile)},
        {"txtMarca", v(ContractField::Ubicazione)},
        {"txtQualitaCli", v(ContractField::Frequenza)},
        {"txtMatricola", v(ContractField::DurataContratto)},
        {"txtAlimentazione", v(ContractField::Fornitore)},
        {"txtAnnoCostruz", v(ContractField::ForoCompetente)},
        {"txtCaratteristiche", v(ContractField::Recesso)},
        {"txtUbicazione", v(ContractField::Polizza)},
        {"txtOpInc01", v("txtOpInc01")},
        {"txtOpInc02", v("txtOpInc02")},
        {"txtOpInc03", v("txtOpInc03")},
        {"txtOpInc04", v("txtOpInc04")},
        {"txtOpEsc01", v("txtOpEsc01")},
        {"txtOpEsc02", v("txtOpEsc02")},
        {"txtOpEsc03", v("txtOpEsc03")},
        {"txtOpEsc04", v("txtOpEsc04")},
        {"txtDurata", v(ContractField::OrariIntervento)},
        {"txtTotale", v(ContractField::DurataIntervento)},
        {"txtPeriodicita", v("txtPeriodicita")},
        {"txtPagamento", v("txtPagamento")},
        {"txtImpCanone", QStringLiteral("€ ") + v("txtImpCanone")},
    };
    for (const auto &[object, text] : texts)
        if (!engine.setText(QLatin1String(object), text))
            return false;
    return true;
}

} // namespace ContractPrint
