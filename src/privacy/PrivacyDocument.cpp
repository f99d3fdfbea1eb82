#include "privacy/PrivacyDocument.h"

#include "core/text/TextRules.h"

namespace PrivacyDocument {

QString escaped(const QString &value) {
    QString out;
    const QString text = Text::trim(value);
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += QLatin1Char('\\');
            out += c;
        } else if (Text::cp1252Byte(char32_t(u)) < 0 || c.isSurrogate()) {
            // RTF keeps Unicode as signed 16-bit units, each followed by one
            // fallback character (\uc1).
            out += QStringLiteral("\\u%1?").arg(qint16(u));
        } else {
            out += c;
        }
    }
    return out;
}

QStringList pieces(const QMap<QString, QString> &values) {
    const auto v = [&values](const char *control) { return escaped(values.value(QLatin1String(control))); };
    QStringList p;
    // 1-6: header, colours, title, subtitle, rule.
    p << QStringLiteral(
             "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 "
             "Times New Roman;}{\\f1\\fnil Verdana;}}")
      << QStringLiteral("{\\colortbl ;\\red0\\green0\\blue0;}")
      << QStringLiteral(
             "\\viewkind4\\uc1\\pard\\qc\\b\\f0\\fs40 Consenso al trattamento dei dati personali e "
             "sensibili")
      << QStringLiteral("\\par \\b0\\fs28 (Informativa ai sensi del Regolamento UE 2016/679)")
      << QStringLiteral("\\par ") + QString(54, QLatin1Char('_')) << QStringLiteral("\\par");
    // 7: the opening paragraph.
    p << QStringLiteral(
             "\\par \\pard\\qj\\fs24 Ai sensi del Regolamento UE 2016/679 (Regolamento Generale sulla "
             "Protezione dei Dati - General Data Protection Regulation - GDPR), la presente Impresa \\b ") +
             v("txtStudioDent") + QStringLiteral("\\b0 , con") + QStringLiteral(" sede a \\b ") +
             v("txtCittaDent") + QStringLiteral("\\b0  (\\b ") + v("txtProvDent") +
             QStringLiteral("\\b0 ), CAP: \\b ") + v("txtCapDent") + QStringLiteral("\\b0 , in \\b ") +
             v("txtIndirizzoDent") + QStringLiteral("\\b0 , codice fiscale: \\b ") + v("txtCodFiscDent") +
             QStringLiteral("\\b0 , partita") + QStringLiteral(" IVA: \\b ") + v("txtIvaDent") +
             QStringLiteral("\\b0 , Rappresentante legale: \\b ") + v("txtTelDent") +
             QStringLiteral(
                 "\\b0 , informa che i dati qualificati come personali dalla legge (ivi compresi i dati "
                 "anagrafici, di contatto, fiscali e la propria immagine fotografica),") +
             QStringLiteral(" ad essa forniti dal Cliente Sig. \\b ") + v("txtPaziente") +
             QStringLiteral("\\b0 , nato a \\b ") + v("txtComuneNasc") + QStringLiteral("\\b0  (\\b ") +
             v("txtProvNasc") + QStringLiteral("\\b0 ) il \\b ") + v("txtDataNasc") +
             QStringLiteral("\\b0 , residente") + QStringLiteral(" a \\b ") + v("txtComuneRes") +
             QStringLiteral("\\b0  (\\b ") + v("txtProvRes") + QStringLiteral("\\b0 ), CAP: \\b ") +
             v("txtCapRes") + QStringLiteral("\\b0  in \\b ") + v("txtIndirizzo") +
             QStringLiteral("\\b0 , codice") + QStringLiteral(" fiscale: \\b ") + v("txtCodFisc") +
             QStringLiteral("\\b0 , recapito telefonico: \\b ") + v("txtRecapito") +
             QStringLiteral("\\b0 , saranno trattati come di seguito descritto:");
    // 8-22: the five sections of the notice.
    p << QStringLiteral("\\par")
      << QStringLiteral("\\par \\b 1. Finalit\\'e0 e modalit\\'e0 del trattamento cui sono destinati i dati.")
      << QStringLiteral("\\par \\b0 I dati vengono trattati in relazione alle esigenze contrattuali e ai "
                        "conseguenti adempimenti "
                        "degli obblighi legali e contrattuali: stipula ed esecuzione dei contratti, "
                        "fatturazione, gestione "
                        "dei pagamenti ed eventuale recupero dei crediti, tenuta degli archivi "
                        "amministrativi. I dati sono "
                        "conservati su supporti cartacei ed elettronici, protetti da misure di sicurezza "
                        "adeguate a impedirne "
                        "la perdita, l'uso illecito e l'accesso non autorizzato, e sono trattati per tutta "
                        "la durata del "
                        "rapporto contrattuale e, successivamente, per l'adempimento degli obblighi di legge "
                        "e per future "
                        "finalit\\'e0 fiscali tra l'Impresa e il Cliente.")
      << QStringLiteral("\\par")
      << QStringLiteral(
             "\\par \\b 2. Natura obbligatoria o facoltativa del conferimento e conseguenze al rifiuto "
             "del consenso.")
      << QStringLiteral(
             "\\par \\b0 Il conferimento dei dati \\'e8 obbligatorio per quanto richiesto dalla legge e dal "
             "contratto: l'eventuale rifiuto di fornirli, o di consentirne il trattamento, pu\\'f2 rendere "
             "impossibile l'esecuzione del servizio richiesto. Il conferimento dei dati ulteriori \\'e8 "
             "facoltativo e la sua mancanza sar\\'e0 valutata di volta in volta, in base alla rilevanza dei "
             "dati "
             "rispetto alla gestione del rapporto contrattuale.")
      << QStringLiteral("\\par")
      << QStringLiteral("\\par \\b 3. Soggetti che possono venire a conoscenza dei dati.")
      << QStringLiteral("\\par \\b0 I soggetti o le categorie di soggetti ai quali i dati personali possono "
                        "essere comunicati "
                        "sono: gli organi e gli incaricati dell'Impresa, i professionisti esterni che le "
                        "prestano consulenza "
                        "(commercialisti, legali, consulenti del lavoro), le societ\\'e0 che forniscono "
                        "servizi informatici, "
                        "gli enti pubblici o privati ai quali la comunicazione \\'e8 dovuta per legge e i "
                        "terzi, in Italia, "
                        "la cui opera sia necessaria all'esecuzione del contratto. I dati non sono "
                        "trasferiti all'estero. Il "
                        "personale che vi accede \\'e8 tenuto al segreto da clausola contrattuale.")
      << QStringLiteral("\\par") << QStringLiteral("\\par \\b 4. Diritti degli interessati.")
      << QStringLiteral(
             "\\par \\b0 Relativamente ai propri dati, gli interessati possono esercitare i diritti previsti "
             "dal "
             "Regolamento Generale sulla Protezione dei Dati: il diritto di accesso, di rettifica, di "
             "cancellazione, di limitazione del trattamento, di portabilit\\'e0 e di opposizione, nonch\\'e9 "
             "il "
             "diritto di revocare il consenso in qualsiasi momento e di proporre reclamo all'autorit\\'e0 di "
             "controllo, nei modi e nei termini stabiliti dagli articoli dal medesimo Regolamento.")
      << QStringLiteral("\\par") << QStringLiteral("\\par \\b 5. Titolare del trattamento dati.")
      << QStringLiteral("\\par \\b0 Titolare del trattamento dei dati, nonché Responsabile del trattamento e "
                        "Responsabile protezione dati (RPD) o Data Protection Officer (DPO) è l'Impresa, "
                        "rappresentata dal Sig. \\b ") +
             v("txtPrivacy") +
             QStringLiteral("\\b0 , domiciliato per la carica nella sede della medesima Impresa.");
    // 23-31: consent and rights.
    p << QStringLiteral("\\par") << QStringLiteral("\\par \\pard\\qc\\b Consenso dell'interessato")
      << QStringLiteral(
             "\\par \\pard\\qj\\b0 Preso atto dell'informativa ricevuta ai sensi del Regolamento UE "
             "2016/679, il "
             "Cliente esprime il consenso al trattamento dei propri dati personali per le finalit\\'e0 e nei "
             "modi "
             "sopra indicati. I dati sensibili, cio\\'e8 quelli idonei a rivelare lo stato di salute o altre "
             "condizioni particolari, possono essere trattati soltanto con il consenso scritto "
             "dell'interessato. "
             "I dati sono conservati per il tempo necessario all'esecuzione del contratto e, in seguito, per "
             "i "
             "periodi stabiliti dalle norme fiscali e dalle norme del Codice civile.")
      << QStringLiteral("\\par")
      << QStringLiteral("\\par \\pard\\qc\\b Diritto di accesso ai dati personali ed altri diritti")
      << QStringLiteral(
             "\\par \\pard\\qj 1.\\b0  Il Cliente ha diritto di ottenere la conferma dell'esistenza o meno "
             "di dati personali che lo riguardano, anche se non ancora registrati, e la loro comunicazione "
             "in forma intelligibile.")
      << QStringLiteral(
             "\\par \\b 2.\\b0  Il Cliente ha diritto di ottenere l'indicazione: (a) dell'origine dei dati "
             "personali; "
             "(b) delle finalit\\'e0 e modalit\\'e0 del trattamento; (c) della logica applicata in caso di "
             "trattamento effettuato con l'ausilio di strumenti elettronici; (d) degli estremi "
             "identificativi del "
             "titolare e dei responsabili; (e) dei soggetti o delle categorie di soggetti ai quali i dati "
             "personali "
             "possono essere comunicati o che possono venirne a conoscenza in qualit\\'e0 di responsabili o "
             "incaricati.")
      << QStringLiteral("\\par \\b 3.\\b0  Il Cliente ha diritto di ottenere: (a) l'aggiornamento, la "
                        "rettificazione ovvero, "
                        "quando vi ha interesse, l'integrazione dei dati; (b) la cancellazione, la "
                        "trasformazione in forma "
                        "anonima o il blocco dei dati trattati in violazione di legge; (c) l'attestazione "
                        "che le operazioni "
                        "di cui alle lettere (a) e (b) sono state portate a conoscenza di coloro ai quali i "
                        "dati sono stati "
                        "comunicati; (d) la portabilit\\'e0 dei dati, cio\\'e8 la loro consegna in un "
                        "formato strutturato, di "
                        "uso comune e leggibile da dispositivo automatico, anche per trasmetterli a un altro "
                        "titolare diverso "
                        "da quello cui li ha forniti.")
      << QStringLiteral(
             "\\par \\b 4.\\b0  Il Cliente ha diritto di opporsi, in tutto o in parte: (a) per motivi "
             "legittimi al "
             "trattamento dei dati personali che lo riguardano, ancorch\\'e9 pertinenti allo scopo della "
             "raccolta; "
             "(b) al trattamento dei dati a fini di invio di materiale pubblicitario o di comunicazioni "
             "commerciali. Ha inoltre diritto di revocare in ogni momento il consenso prestato e di proporre "
             "reclamo all'autorit\\'e0 di controllo. Le richieste vanno rivolte al Titolare del "
             "trattamento.");
    // 32-50: the client's declaration, place, date and signature.
    p << QStringLiteral("\\par") << QStringLiteral("\\par \\pard\\qc\\b DICHIARAZIONE DEL CLIENTE")
      << QStringLiteral("\\par");
    p << QStringLiteral("\\par \\pard\\qj\\b0 Io sottoscritto \\b ") + v("txtPaziente") +
             QStringLiteral("\\b0 , nato a \\b ") + v("txtComuneNasc") + QStringLiteral("\\b0  (\\b ") +
             v("txtProvNasc") + QStringLiteral("\\b0 ) il") + QStringLiteral(" \\b ") + v("txtDataNasc") +
             QStringLiteral("\\b0 , residente a \\b ") + v("txtComuneRes") + QStringLiteral("\\b0  (\\b ") +
             v("txtProvRes") + QStringLiteral("\\b0 ), CAP: \\b ") + v("txtCapRes") +
             QStringLiteral("\\b0  in \\b ") + v("txtIndirizzo") + QStringLiteral("\\b0 , codice") +
             QStringLiteral(" fiscale: \\b ") + v("txtCodFisc") +
             QStringLiteral(
                 "\\b0 , esprimo il mio libero consenso al trattamento dei dati personali. A tal fine "
                 "dichiaro di essere stato informato su:");
    p << QStringLiteral(
             "\\par \\b 1)\\b0  le finalit\\'e0 e le modalit\\'e0 del trattamento cui sono destinati i "
             "dati, connesse con le attivit\\'e0 svolte dall'Impresa;")
      << QStringLiteral(
             "\\par \\b 2)\\b0  i soggetti o le categorie di soggetti ai quali i dati personali possono "
             "essere comunicati o che possono venirne a conoscenza in qualit\\'e0 di incaricati;")
      << QStringLiteral(
             "\\par \\b 3)\\b0  il diritto di accesso ai dati personali, la facolt\\'e0 di chiederne "
             "l'aggiornamento, la rettifica, l'integrazione e la cancellazione nonch\\'e9 di oppormi "
             "all'invio di comunicazioni commerciali;")
      << QStringLiteral(
             "\\par \\b 4)\\b0  il nome della persona che sar\\'e0 titolare del trattamento dei dati "
             "personali domiciliata per la carica nella sede dell'Impresa;")
      << QStringLiteral(
             "\\par \\b 5)\\b0  la necessit\\'e0 di comunicare i dati richiesti per poter usufruire dei "
             "servizi forniti dall'Impresa.");
    p << QStringLiteral(
             "\\par Con la presente, esprimo il mio consenso al trattamento dei dati personali e sensibili "
             "al Sig. \\b ") +
             v("txtPrivacy") +
             QStringLiteral(
                 "\\b0  esclusivamente per le finalit\\'e0 istituzionali, amministrative, organizzative") +
             QStringLiteral(
                 " e gestionali, strettamente connesse allo svolgimento delle attivit\\'e0 svolte "
                 "dall'Impresa, comprese eventuali comunicazioni tramite email o telefono. Resta inteso "
                 "che l'utilizzo dei dati suddetti deve avvenire nel rispetto dei principi di") +
             QStringLiteral(" liceit\\'e0, correttezza, pertinenza e non eccedenza.");
    p << QStringLiteral("\\par")
      << QStringLiteral("\\par \\b ") + v("txtLuogo") + QStringLiteral("\\b0 , \\b ") + v("txtData") +
             QStringLiteral("\\b0 .")
      << QStringLiteral("\\par") << QStringLiteral("\\par \\pard\\qr\\b Firma del Cliente per accettazione")
      << QStringLiteral("\\par") << QStringLiteral("\\par ") + QString(31, QLatin1Char('_'))
      << QStringLiteral("\\par \\b0") << QStringLiteral("\\par \\pard\\cf1\\b\\f1")
      << QStringLiteral("\\par }");
    return p;
}

QByteArray bytes(const QMap<QString, QString> &values) {
    return Text::toCp1252(pieces(values).join(QString()));
}

} // namespace PrivacyDocument
