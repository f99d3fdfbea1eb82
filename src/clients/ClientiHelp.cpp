#include "clients/ClientiHelp.h"

HelpText clientCardHelp() {
    return {
        QStringLiteral("App Clienti e Servizi"),
        {
            QStringLiteral(
                "L'app Clienti e Servizi raccoglie i dati anagrafici dei clienti della ditta e i servizi "
                "forniti a ciascuno di essi. I dati dei clienti possono essere importati nei contratti di "
                "pulizia e nell'agenda degli appuntamenti, senza doverli digitare di nuovo. È una vera "
                "rubrica elettronica: controlla il codice fiscale, la partita IVA, l'IBAN e il numero della "
                "carta di credito, invia e-mail al cliente e stampa la liberatoria per il trattamento dei "
                "dati personali, che il cliente firma insieme al contratto."),
            QStringLiteral(
                "Ogni scheda riporta cognome e nome o ragione sociale, data, comune e provincia di nascita, "
                "sesso, telefono preferenziale, indirizzo, provincia, comune e CAP di residenza, modalità di "
                "pagamento, telefono di casa, dell'ufficio e cellulare, PEC, indirizzo e-mail, codice "
                "fiscale, numero e scadenza della carta di credito, partita IVA, IBAN, estremi del documento "
                "di identità, occupazione, stato civile, titoli e qualifiche, prodotti o servizi di "
                "interesse, zona, questioni in sospeso, note e la casella Da ricontattare."),
            QStringLiteral(
                "Per inserire un nuovo cliente bisogna fare clic sul pulsante Nuovo, compilare i campi che "
                "interessano e premere Salva. Sono obbligatori il nome del cliente, il numero di cellulare e "
                "il codice fiscale: se ne manca uno, il programma lo segnala e la scheda non viene salvata. "
                "Per modificare una scheda basta visualizzarla con le frecce di scorrimento o con la "
                "funzione di ricerca, apportare le modifiche e premere Salva."),
            QStringLiteral(
                "Le questioni ancora da risolvere con il cliente si annotano nel campo Questioni in "
                "sospeso. Spuntando la casella Da ricontattare e salvando la scheda, il cliente entra "
                "nell'elenco delle persone da richiamare, che si consulta con il pulsante Da ricontattare."),
            QStringLiteral(
                "Il pulsante Duplica serve a registrare clienti con dati simili, ad esempio familiari che "
                "abitano allo stesso indirizzo: si visualizza la scheda già presente in archivio, si preme "
                "Duplica, si inseriscono i nuovi dati e si preme Salva. Gli allegati non vengono copiati "
                "nella nuova scheda."),
            QStringLiteral(
                "La funzione di ricerca combina uno o più filtri contemporaneamente: si possono trovare, ad "
                "esempio, i clienti di una certa zona, quelli interessati a determinati prodotti o servizi, "
                "quelli con una questione in sospeso o quelli che hanno una certa parola nelle note."),
            QStringLiteral(
                "Con il pulsante Allega file si collegano alla scheda fino a tre file di qualsiasi tipo, ad "
                "esempio la scansione del documento di identità o del contratto firmato, ciascuno con la "
                "sua descrizione. Ogni file viene copiato nella cartella dei documenti allegati e si apre "
                "con il pulsante Apri; per conservare gli allegati bisogna poi salvare la scheda."),
            QStringLiteral(
                "I pulsanti di controllo accanto ai campi verificano il codice fiscale, il numero della "
                "carta di credito, l'IBAN e la partita IVA; per una partita IVA valida viene indicato anche "
                "l'ufficio provinciale che l'ha rilasciata. Il pulsante accanto al campo E-mail apre il "
                "programma di posta elettronica con il destinatario già compilato."),
            QStringLiteral(
                "Il pulsante Servizi forniti apre la finestra dei servizi prestati al cliente. Prima "
                "bisogna salvare la scheda del cliente o richiamarla dall'archivio; poi si preme Servizi "
                "forniti e, per registrare un nuovo servizio, Aggiungi voce."),
            QStringLiteral(
                "Per modificare un servizio già registrato lo si seleziona nell'elenco e si preme Modifica "
                "voce. Di ogni servizio si annotano la data e l'ora, il tipo di servizio, l'addetto che lo "
                "ha svolto e l'importo pagato."),
            QStringLiteral(
                "Il totale degli importi pagati viene calcolato automaticamente e compare sotto l'elenco "
                "dei servizi. Il pulsante Stampa riepilogo stampa il riepilogo dei servizi forniti al "
                "cliente."),
            QStringLiteral(
                "Il pulsante \"P\" a destra del campo Note apre la liberatoria per il trattamento dei dati "
                "personali, già compilata con i dati della scheda."),
            QStringLiteral(
                "Ogni scheda può essere visualizzata in anteprima, stampata o salvata in formato PDF. "
                "L'intero archivio dei clienti può essere esportato in un file di foglio di calcolo, che si "
                "apre con le più comuni suite per ufficio."),
        },
    };
}
