#include "employees/card/EmployeesHelp.h"

HelpText employeeCardHelp() {
    return {
        QStringLiteral("App Archivio Dipendenti e Prestazioni"),
        {
            QStringLiteral(
                "L'Archivio Dipendenti e Prestazioni è lo schedario del personale dell'impresa di pulizie e "
                "di tutte le prestazioni lavorative svolte da ciascun dipendente. Ogni scheda riporta "
                "cognome e nome, sesso, data e luogo di nascita, cittadinanza, indirizzo di residenza con "
                "città, CAP e nazione, codice fiscale, stato civile, partita IVA, titolo di studio, lingue "
                "conosciute, e-mail, telefono di casa e cellulare, qualifica, reparto, disponibilità, "
                "mansioni, IBAN, data di assunzione, retribuzione e note. Ogni scheda può contenere la foto "
                "del dipendente in formato JPEG o bitmap, adattata automaticamente alla cornice e "
                "visualizzabile a tutto schermo nelle sue dimensioni reali con l'icona della lente."),
            QStringLiteral(
                "Lo schedario è un archivio storico di tutte le persone che lavorano o hanno lavorato per "
                "l'impresa, con le prestazioni svolte nell'intero arco della carriera. Dalla scheda si può "
                "inviare una e-mail al dipendente e controllare il codice fiscale, la partita IVA e l'IBAN."),
            QStringLiteral(
                "Per inserire un nuovo dipendente premere Nuovo, compilare i campi, caricare la foto e "
                "premere Salva. Sono obbligatori cognome e nome, codice fiscale, numero di cellulare, "
                "qualifica e reparto. Per modificare una scheda richiamarla con le frecce di scorrimento o "
                "con la ricerca, apportare le modifiche e premere Salva."),
            QStringLiteral(
                "Il pulsante Duplica serve per inserire schede simili, per esempio dipendenti dello stesso "
                "reparto o con la stessa qualifica: richiamare la scheda archiviata, premere Duplica, "
                "inserire i nuovi dati e premere Salva."),
            QStringLiteral(
                "La foto può essere scattata con una webcam: aprire la finestra di cattura, premere "
                "Accendi webcam, posizionare il dipendente davanti all'obiettivo, premere Cattura foto, "
                "importare la foto nella scheda con l'apposito pulsante e infine premere Salva."),
            QStringLiteral(
                "La lente mostra la foto a tutto schermo. Una foto può essere salvata su disco, ritoccata "
                "con un programma di grafica e ricaricata con Carica; con Carica si può caricare anche una "
                "foto scattata con una fotocamera digitale."),
            QStringLiteral(
                "Lo Slide Show mostra in sequenza, a tutto schermo, le foto di tutti i dipendenti, una ogni "
                "sei secondi; dopo l'ultima ricomincia dalla prima. Un clic in un punto qualsiasi dello "
                "schermo lo chiude."),
            QStringLiteral(
                "La ricerca combina uno o più filtri contemporaneamente: per esempio i dipendenti di un "
                "reparto, con una certa qualifica, oppure disponibili in certi giorni e orari."),
            QStringLiteral(
                "Con Allega file si collegano a un dipendente fino a tre file di qualsiasi tipo (per "
                "esempio la scansione del documento di identità o del contratto di lavoro firmato), "
                "ciascuno con una descrizione, da aprire in ogni momento con Apri."),
            QStringLiteral(
                "Dopo aver salvato la scheda, il pulsante Prestazioni apre il registro delle prestazioni "
                "lavorative: si aggiunge una nuova attività o si modifica un'attività archiviata indicando "
                "data, tipo di lavoro, luogo, orario e totale delle ore; Stampa riepilogo stampa l'elenco "
                "di tutte le prestazioni del dipendente."),
            QStringLiteral("Ogni scheda può essere visualizzata in anteprima di stampa o stampata."),
        },
    };
}

HelpText workingHoursHelp() {
    return {
        QStringLiteral("App Riepilogo Ore di Lavoro"),
        {
            QStringLiteral(
                "Il Riepilogo Ore di Lavoro mostra e stampa i riepiloghi delle prestazioni svolte dai "
                "dipendenti dell'impresa e totalizza automaticamente le ore di lavoro, in qualsiasi arco "
                "di tempo, anche di più anni solari, filtrando per codice fiscale del dipendente e per data "
                "di inizio e di fine dell'intervallo."),
            QStringLiteral("Il codice fiscale si può digitare oppure importare dall'archivio anagrafico dei "
                           "dipendenti con il pulsante a freccia arancione accanto al campo; il modulo legge "
                           "il registro "
                           "delle prestazioni del dipendente e totalizza le ore dell'intervallo."),
            QStringLiteral(
                "Il riepilogo elenca ogni attività archiviata nel periodo con tipologia, data, luogo, "
                "orario e ore, e mostra il totale delle ore di lavoro in fondo alla schermata."),
            QStringLiteral("Il riepilogo può essere stampato con l'apposito pulsante."),
        },
    };
}
