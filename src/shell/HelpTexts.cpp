#include "shell/HelpTexts.h"

#include "appointments/agenda/AgendaHelp.h"
#include "backup/SalvataggioHelp.h"
#include "appointments/card/Archivio_ScadenzeHelp.h"
#include "appointments/planning/PlanningHelp.h"
#include "clients/ClientiHelp.h"
#include "contracts/card/ContrattoHelp.h"
#include "employees/card/EmployeesHelp.h"
#include "overview/AndamentoHelp.h"

namespace {

// Paragraphs 1-43: the product, contracts, employees, working hours and
// clients.
QStringList overviewParagraphs() {
    return {
        // The product
        QStringLiteral(
            "Tersalia è un software gestionale pensato per le imprese di pulizie. Permette di redigere i "
            "contratti di servizio, di registrare il lavoro svolto dai dipendenti e i relativi rapporti di "
            "attività, di tenere l'anagrafica dei clienti con i recapiti e i dati fiscali, gli immobili e i "
            "servizi forniti a ciascuno di essi, e di gestire l'agenda degli appuntamenti."),
        // Integrated contract model
        QStringLiteral(
            "Il programma comprende un modello di contratto di pulizia integrato, in cui tutti i dati "
            "personalizzabili occupano una sola pagina di un foglio in formato A4."),
        QStringLiteral(
            "Sul retro dello stesso foglio si stampano le clausole contrattuali generali, che sono identiche "
            "per tutti i clienti."),
        QStringLiteral(
            "Nel contratto si indicano i dati della ditta di pulizie e del cliente, quelli dell'immobile "
            "presso cui sarà svolto il servizio, le attività comprese nel contratto e quelle escluse, "
            "l'organizzazione del servizio e gli orari degli interventi."),
        QStringLiteral(
            "Ogni contratto di pulizia deve essere accompagnato dalla liberatoria per il consenso al "
            "trattamento dei dati personali, da far firmare al cliente: a questo scopo il programma mette a "
            "disposizione un modulo già pronto, con la compilazione guidata."),
        // App Archivio Dipendenti e Prestazioni
        QStringLiteral(
            "L'app Archivio Dipendenti e Prestazioni è lo schedario dei dipendenti della ditta. Ogni scheda "
            "riporta cognome e nome, sesso, data e luogo di nascita, cittadinanza, indirizzo di residenza "
            "con città, CAP e nazione, codice fiscale, stato civile, partita IVA, titolo di studio, lingue "
            "conosciute, indirizzo e-mail, telefono di casa e cellulare, qualifica, reparto, disponibilità, "
            "mansioni, IBAN, data di assunzione, retribuzione e note."),
        QStringLiteral(
            "Ogni scheda può contenere la foto del dipendente in formato JPEG o bitmap, adattata "
            "automaticamente alla cornice di anteprima; facendo clic sull'icona della lente d'ingrandimento, "
            "la foto si vede a schermo intero nelle sue dimensioni reali."),
        QStringLiteral(
            "Lo schedario è un archivio storico di tutte le persone che lavorano o hanno lavorato per la "
            "ditta, con le prestazioni svolte nell'arco dell'intera carriera. Dalla scheda si può inviare "
            "un'e-mail al dipendente e verificare la correttezza del codice fiscale, della partita IVA e "
            "dell'IBAN."),
        // Employee cards: new, edit, duplicate
        QStringLiteral(
            "Per inserire un dipendente bisogna fare clic sul pulsante Nuovo, compilare i campi, caricare "
            "eventualmente la foto e premere Salva. Sono obbligatori cognome e nome, codice fiscale, numero "
            "di cellulare, qualifica e reparto. Per modificare una scheda basta visualizzarla con le frecce "
            "di scorrimento o con la funzione di ricerca, apportare le modifiche e premere Salva."),
        QStringLiteral(
            "Il pulsante Duplica è utile per registrare dipendenti con dati simili, ad esempio dello stesso "
            "reparto o con la stessa qualifica: si visualizza la scheda già presente in archivio, si preme "
            "Duplica, si inseriscono i nuovi dati e si preme Salva."),
        // Employee photo
        QStringLiteral(
            "La foto può essere scattata con una webcam: nella finestra di cattura si preme Accendi webcam, "
            "si inquadra il dipendente, si preme Cattura foto, si importa la foto nella scheda con il "
            "pulsante Importa foto in scheda e infine si preme Salva."),
        QStringLiteral(
            "La lente d'ingrandimento mostra la foto a schermo intero. Una foto può essere salvata su "
            "disco, ritoccata con un programma di grafica e ricaricata nella scheda con il pulsante Carica, "
            "che serve anche per caricare una foto scattata con una fotocamera digitale."),
        QStringLiteral(
            "Il pulsante Slide Show mostra a schermo intero, in sequenza, le foto di tutti i dipendenti, "
            "cambiando immagine ogni sei secondi; dopo l'ultima foto la sequenza ricomincia dalla prima. Per "
            "uscire basta un clic."),
        // Employee search and attachments
        QStringLiteral(
            "La ricerca dei dipendenti permette di usare più filtri contemporaneamente, ad esempio per "
            "trovare i dipendenti di un reparto, quelli con una certa qualifica o quelli disponibili in "
            "determinati giorni e orari."),
        QStringLiteral(
            "Con la funzione Allega file si possono abbinare a ciascun dipendente fino a tre file di "
            "qualsiasi tipo (ad esempio la copia acquisita allo scanner del documento d'identità o del "
            "contratto di lavoro firmato), ognuno con la sua descrizione, da aprire in qualsiasi momento con "
            "il pulsante Apri."),
        // Work register and card print
        QStringLiteral(
            "Dopo aver salvato la scheda, il pulsante Prestazioni apre la finestra delle attività svolte "
            "dal dipendente: per ciascuna si registrano la data, il tipo di lavoro, il luogo, l'orario di "
            "lavoro e il totale delle ore. Il pulsante Stampa riepilogo stampa l'elenco di tutte le "
            "prestazioni del dipendente."),
        QStringLiteral("Ogni scheda dipendente può essere visualizzata in anteprima di stampa o stampata."),
        // App Riepilogo Ore di Lavoro
        QStringLiteral("L'app Riepilogo Ore di Lavoro mostra e stampa il riepilogo del lavoro svolto dai "
                       "dipendenti in un qualsiasi intervallo di tempo, anche di più anni, e calcola "
                       "automaticamente il totale delle ore."),
        QStringLiteral(
            "Il riepilogo si ottiene indicando il codice fiscale del dipendente, che può essere digitato "
            "oppure importato dall'archivio dei dipendenti con il pulsante con la freccia arancione, insieme "
            "alle date di inizio e di fine del periodo."),
        QStringLiteral("Per ogni attività del periodo il riepilogo riporta il tipo di lavoro, la data, il "
                       "luogo, l'orario e le ore lavorate; il totale delle ore compare in fondo alla "
                       "schermata."),
        QStringLiteral("Il riepilogo può essere stampato con l'apposito pulsante."),
        // App Clienti e Servizi
        QStringLiteral(
            "L'app Clienti e Servizi è l'anagrafica dei clienti della ditta, i cui dati possono essere "
            "importati nei contratti di pulizia e negli appuntamenti. Ogni scheda riporta cognome e nome o "
            "ragione sociale, data, comune e provincia di nascita, sesso, telefono preferenziale, indirizzo, "
            "comune, provincia e CAP di residenza, modalità di pagamento, telefono di casa, dell'ufficio e "
            "cellulare, PEC, e-mail, codice fiscale, numero e scadenza della carta di credito, partita IVA, "
            "IBAN, estremi del documento, occupazione, stato civile, titoli e qualifiche, prodotti o servizi "
            "di interesse, zona, questioni in sospeso e note."),
        QStringLiteral(
            "È una vera e propria rubrica elettronica, che verifica la validità del codice fiscale, della "
            "partita IVA, dell'IBAN e del numero della carta di credito, invia e-mail al cliente e stampa la "
            "liberatoria per la privacy che il cliente firma insieme al contratto."),
        // Client cards
        QStringLiteral(
            "Per inserire un cliente bisogna fare clic sul pulsante Nuovo, compilare i campi e premere "
            "Salva; sono obbligatori il nome del cliente, il numero di cellulare e il codice fiscale. Per "
            "modificare una scheda basta visualizzarla con le frecce di scorrimento o con la ricerca, "
            "apportare le modifiche e premere Salva."),
        QStringLiteral(
            "Le questioni ancora aperte si annotano nel campo Questioni in sospeso; spuntando la casella Da "
            "ricontattare, il cliente entra nell'elenco dei clienti da richiamare, che si visualizza con il "
            "pulsante Da ricontattare."),
        QStringLiteral(
            "Il pulsante Duplica serve per registrare clienti con dati simili, ad esempio familiari che "
            "abitano allo stesso indirizzo: si visualizza la scheda in archivio, si preme Duplica, si "
            "inseriscono i nuovi dati e si preme Salva."),
        QStringLiteral(
            "La ricerca dei clienti permette di usare uno o più filtri contemporaneamente: si possono "
            "trovare, ad esempio, i clienti di una certa zona, quelli interessati a determinati prodotti o "
            "servizi, quelli con una questione in sospeso o con una certa parola nelle note."),
        QStringLiteral(
            "Con la funzione Allega file si possono abbinare a ciascun cliente fino a tre file di qualsiasi "
            "tipo (ad esempio la copia acquisita allo scanner del documento d'identità o del contratto), "
            "ognuno con la sua descrizione, da aprire con il pulsante Apri."),
        // Client checks
        QStringLiteral(
            "Gli appositi pulsanti verificano il codice fiscale, il numero della carta di credito, l'IBAN e "
            "la partita IVA; se la partita IVA è valida, viene indicato anche l'ufficio provinciale che "
            "l'ha rilasciata. Il pulsante accanto al campo E-mail apre il programma di posta elettronica con "
            "l'indirizzo del destinatario già inserito."),
        // Services supplied
        QStringLiteral(
            "Il pulsante Servizi forniti apre la finestra dei servizi prestati al cliente. Prima bisogna "
            "salvare la scheda del cliente o richiamarla dall'archivio; poi, nella finestra, il pulsante "
            "Aggiungi voce permette di registrare un nuovo servizio."),
        QStringLiteral(
            "Per modificare un servizio lo si seleziona nell'elenco e si preme Modifica voce. Per ogni "
            "servizio si registrano la data e l'ora, il tipo di servizio, l'incaricato che lo ha svolto e "
            "l'importo pagato."),
        QStringLiteral("Il totale degli importi pagati è calcolato automaticamente e compare sotto l'elenco; "
                       "il pulsante Stampa riepilogo stampa il riepilogo dei servizi forniti al cliente."),
        // Privacy release, client print and export
        QStringLiteral(
            "Il pulsante P, a destra delle note, prepara la liberatoria per la privacy compilata con i dati "
            "della scheda, pronta per essere stampata e firmata dal cliente."),
        QStringLiteral(
            "Ogni scheda cliente può essere visualizzata in anteprima, stampata o salvata in formato PDF; "
            "l'intero archivio dei clienti può essere esportato in un foglio di calcolo."),
        // App Stesura Contratti
        QStringLiteral(
            "L'app Stesura Contratti mette a disposizione un modello di contratto di pulizia in cui si "
            "registrano i dati anagrafici e fiscali della ditta e del cliente, i dati dell'immobile, le "
            "attività comprese nel contratto e quelle escluse, gli orari, la durata e la frequenza degli "
            "interventi, le responsabilità delle parti, la polizza assicurativa, il fornitore dei "
            "materiali, la durata del contratto, le condizioni di recesso, l'importo del canone, il foro "
            "competente e le modalità di pagamento."),
        QStringLiteral(
            "I dati personalizzabili occupano una sola pagina di un foglio A4, sul cui retro si stampano le "
            "clausole contrattuali generali, uguali per tutti i clienti."),
        QStringLiteral(
            "I dati e il logo della ditta di pulizie si inseriscono una sola volta e vengono memorizzati "
            "automaticamente all'uscita dall'ambiente dei contratti. Per inserire il logo si fa clic sul "
            "pulsante Logo e si preme Sfoglia per caricare un'immagine in formato JPEG o bitmap."),
        // Contract cards
        QStringLiteral(
            "Per inserire un contratto si fa clic sul pulsante Nuovo, si compilano i campi che interessano e "
            "si preme Salva. Per modificarlo lo si visualizza con le frecce di scorrimento o con la ricerca, "
            "si apportano le modifiche e si preme Salva."),
        QStringLiteral(
            "La numerazione consecutiva dei contratti è automatica: premendo Nuovo, il programma assegna al "
            "contratto il numero successivo. Per far partire la numerazione da un numero più alto basta "
            "premere il pulsante N. e indicare il numero iniziale."),
        QStringLiteral(
            "Per velocizzare la compilazione, i dati del cliente possono essere importati dall'anagrafica "
            "dei clienti con il pulsante contraddistinto da una freccia obliqua, oppure digitati sul "
            "momento."),
        QStringLiteral("Il pulsante Duplica è utile per rinnovare il contratto di un cliente senza "
                       "riscrivere i dati che restano invariati: si visualizza il contratto in archivio, si "
                       "preme Duplica, si aggiornano i dati e si preme Salva."),
        // Contract search, attachments, print, export
        QStringLiteral(
            "La ricerca dei contratti permette di usare più filtri contemporaneamente, ad esempio per "
            "elencare i contratti stipulati con un certo cliente o quelli relativi a un tipo di immobile. "
            "Con Allega file si possono abbinare a ogni contratto fino a tre file di qualsiasi tipo, ad "
            "esempio la copia acquisita allo scanner del contratto firmato dal cliente."),
        QStringLiteral(
            "Ogni contratto può essere stampato sulle due facciate di un foglio A4 o visualizzato in "
            "anteprima. L'intero archivio dei contratti può essere esportato in un foglio di calcolo in "
            "formato XLS, che si apre con le più comuni suite per ufficio (ad esempio Microsoft Office, "
            "LibreOffice o OpenOffice)."),
    };
}

// Paragraphs 63-67: the year at a glance, portability, network, password and
// closing words.
QStringList closingParagraphs() {
    return {
        QStringLiteral(
            "L'icona a forma di grafico in alto nel menu principale apre l'andamento dell'anno: per "
            "ogni mese l'importo dei servizi fatturati ai clienti, gli appuntamenti assolti, scaduti e "
            "da assolvere e le ore di lavoro dei dipendenti, in tre grafici e in una tabella che si "
            "possono stampare ed esportare in Excel."),
        QStringLiteral(
            "Tersalia è portatile: la cartella del programma può essere copiata su una chiavetta USB e il "
            "programma può essere avviato direttamente da lì. Copiare la cartella del programma è anche "
            "il modo più rapido per fare una copia di sicurezza di tutti gli archivi."),
        QStringLiteral("Gli archivi, conservati nella cartella del programma, possono essere condivisi tra "
                       "più postazioni di una rete locale."),
        QStringLiteral(
            "L'accesso al programma è protetto da una password, che l'utente può cambiare quando vuole con "
            "il pulsante Cambia password della schermata di accesso. Per il primo accesso la password è "
            "\"pergolatoviola\" (da digitare senza le virgolette)."),
        QStringLiteral("Tersalia riduce i tempi necessari per redigere i contratti e per gestire i "
                       "dipendenti, i clienti e l'agenda degli appuntamenti, e non richiede praticamente "
                       "alcun apprendimento."),
    };
}

} // namespace

namespace HelpTexts {

HelpText mainHelp() {
    // The agenda's and the appointment card's chapters are their own help
    // texts, so the two never drift apart.
    return {QStringLiteral("Uno sguardo a Tersalia"), overviewParagraphs() + agendaHelp().paragraphs +
                                                          appointmentCardHelp().paragraphs +
                                                          closingParagraphs()};
}

QList<HelpText> manual() {
    return {mainHelp(),       agendaHelp(),          appointmentGridHelp(),
            planningHelp(),   appointmentCardHelp(), archiveExportHelp(),
            clientCardHelp(), employeeCardHelp(),    workingHoursHelp(),
            contractHelp(),   contractExportHelp(),  backupHelp(),
            andamentoHelp()};
}

} // namespace HelpTexts
