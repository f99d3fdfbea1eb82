#include "clients/ClientPrint.h"

#include "core/platform/Clock.h"
#include "core/text/Formats.h"
#include "ui/platform/Messages.h"
#include "core/platform/OpenURL.h"
#include "core/platform/ProgramFolder.h"
#include "reports/PdfExport.h"
#include "reports/ReportEngine.h"
#include "reports/ReportOutput.h"
#include "ui/widgets/Artwork.h"

namespace ClientPrint {

bool fill(ReportEngine &engine, const Record &c, Output output) {
    if (!engine.load(QStringLiteral(":/reports/repScheda.json")))
        return false;
    engine.setOrientation(QPageLayout::Portrait);
    const auto joined = [&c](const char *town, const char *province) {
        return c.get(town) + QLatin1Char(' ') + c.get(province);
    };
    const QPair<QString, QString> rows[24] = {
        {QStringLiteral("Cognome e nome:"), c.get("Cliente")},
        {QStringLiteral("Data di nascita:"), c.get("DataNasc")},
        {QStringLiteral("Comune di nascita:"), joined("ComuneNasc", "ProvNasc")},
        {QStringLiteral("Sesso:"), c.get("Sesso")},
        {QStringLiteral("Tel. preferenziale:"), c.get("Recapito")},
        {QStringLiteral("Indirizzo di residenza:"), c.get("IndirizzoRes")},
        {QStringLiteral("Comune di residenza:"), joined("ComuneRes", "ProvRes")},
        {QStringLiteral("Modalità pagamento:"), c.get("Estremi")},
        {QStringLiteral("Tel. casa:"), c.get("TelCasa")},
        {QStringLiteral("Tel. ufficio:"), c.get("TelUff")},
        {QStringLiteral("Tel. cellulare:"), c.get("TelCel")},
        {QStringLiteral("PEC:"), c.get("Fax")},
        {QStringLiteral("E-mail:"), c.get("Email")},
        {QStringLiteral("Codice fiscale:"), c.get("CodFisc")},
        {QStringLiteral("Partita IVA:"), c.get("PartitaIva")},
        {QStringLiteral("Carta di credito:"),
         QStringLiteral("N. ") + c.get("Carta") + QStringLiteral("  -  Scadenza: ") + c.get("ScadeCarta")},
        {QStringLiteral("IBAN:"), c.get("Iban")},
        {QStringLiteral("Estremi documento:"), c.get("Documento")},
        {QStringLiteral("Occupazione:"), c.get("Occupazione")},
        {QStringLiteral("Titoli e qualifiche:"), c.get("Titoli")},
        {QStringLiteral("Prodotti e servizi:"), c.get("Prodotti")},
        {output == Output::Pdf ? QStringLiteral("Zona di appartenenza:") : QStringLiteral("Zona:"),
         c.get("Zona")},
        {QStringLiteral("Questioni in sospeso:"), c.get("Questioni")},
        {QStringLiteral("Note:"), c.get("Note")},
    };
    if (!engine.setText(QStringLiteral("txtTitolo"), QStringLiteral("SCHEDA ANAGRAFICA CLIENTE")))
        return false;
    for (int i = 0; i < 24; ++i) {
        const QString n = QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0'));
        if (!engine.setText(QStringLiteral("titCampo") + n, rows[i].first) ||
            !engine.setText(QStringLiteral("txtCampo") + n, rows[i].second))
            return false;
    }
    const QDateTime now = Clock::now();
    engine.setPicture(QStringLiteral("imgLogo"),
                      Artwork::icon(Artwork::Glyph::Clients, 160, QColor(200, 101, 27)).toImage());
    return engine.setText(QStringLiteral("txtCalce"),
                          QStringLiteral("Stampa eseguita in data ") + Formats::dateText(now.date()) +
                              QStringLiteral(" alle ore ") + Formats::longTimeText(now.time()));
}

namespace {

// A card that cannot be made shows the engine's reason; printer problems are
// the print dialog's to show.
bool told(QWidget *parent, const ReportOutput::Outcome &sent) {
    if (!sent.made)
        Messages::error(parent, sent.why);
    return sent.done;
}

} // namespace

bool print(QWidget *parent, const Record &client) {
    return told(parent, ReportOutput::print(parent, [&client](ReportEngine &e) { return fill(e, client); }));
}

bool preview(QWidget *parent, const Record &client) {
    return told(parent,
                ReportOutput::preview(parent, [&client](ReportEngine &e) { return fill(e, client); }));
}

QString pdfNotWrittenText() {
    return QStringLiteral(
        "Attenzione: non è stato possibile esportare la scheda nel file Contatto.pdf.\n\r\n\r"
        "Accertarsi che il file non sia già aperto e di possedere i privilegi di scrittura "
        "nella cartella di installazione del programma.");
}

bool pdf(QWidget *parent, const Record &client) {
    ReportEngine engine;
    PdfSettings settings;
    settings.title = QStringLiteral("Scheda informativa");
    settings.subject = QStringLiteral("Scheda informativa");
    settings.author = QStringLiteral("Tersalia");
    settings.creator = QStringLiteral("Tersalia");
    settings.compress = false;
    const QString target = ProgramFolder::file(QStringLiteral("Contatto.pdf"));
    if (!fill(engine, client, Output::Pdf) || !engine.prepare()) {
        Messages::error(parent, engine.errorString());
        return false;
    }
    if (!engine.exportPdf(target, settings)) {
        Messages::error(parent, pdfNotWrittenText());
        return false;
    }
    if (Messages::confirm(parent, QStringLiteral("L'esportazione della scheda in PDF è terminata con "
                                                 "successo.\r\n\r\nSi vuole aprire il file?")))
        TMisc::Open(QLatin1Char('"') + target + QLatin1Char('"'));
    return true;
}

} // namespace ClientPrint
