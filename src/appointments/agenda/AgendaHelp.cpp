#include "appointments/agenda/AgendaHelp.h"

HelpText agendaHelp() {
    return {
        QStringLiteral("App Agenda Interventi Programmati"),
        {
            QStringLiteral("L'app Agenda Interventi Programmati gestisce gli appuntamenti con i clienti: per "
                           "ciascuno si "
                           "registrano la data, l'ora, i giorni di preavviso, i servizi richiesti, "
                           "l'operatore incaricato, "
                           "i dati del cliente, la modalità di pagamento e le note."),
            QStringLiteral("La schermata iniziale dell'agenda mostra gli appuntamenti imminenti e permette "
                           "di richiamare "
                           "quelli di un giorno o di un mese; gli appuntamenti si inseriscono e si "
                           "modificano invece nello "
                           "schedario, che si apre con il pulsante Inserisci appuntamenti."),
            QStringLiteral(
                "All'apertura dell'agenda un messaggio indica se ci sono appuntamenti imminenti e, quando ce "
                "ne "
                "sono, un breve allarme sonoro li segnala. L'elenco degli appuntamenti imminenti può essere "
                "stampato con Stampa riepilogo oppure esportato con Esporta in Excel, che ne mostra tutti i "
                "dettagli in una griglia."),
            QStringLiteral("L'agenda è di sola consultazione. Il suo calendario permette di selezionare un "
                           "giorno o un mese "
                           "di qualsiasi anno: i due pulsanti sotto il calendario mostrano gli appuntamenti "
                           "del giorno o "
                           "del mese selezionato."),
            QStringLiteral(
                "L'elenco tiene conto dei giorni di preavviso di ciascun appuntamento: un appuntamento vi "
                "compare a partire dalla sua data meno i giorni di preavviso, per cui l'elenco può "
                "comprendere "
                "anche appuntamenti lontani nel tempo. Vi resta finché la sua scheda non viene salvata con "
                "la "
                "casella Impegno assolto spuntata."),
            QStringLiteral(
                "Gli appuntamenti sono ordinati per data e ora, qualunque sia l'ordine in cui sono "
                "stati inseriti; se non ci sono appuntamenti imminenti, l'elenco è vuoto."),
            QStringLiteral(
                "Per ricordare un appuntamento al cliente basta selezionarlo nell'elenco e fare clic "
                "sull'icona "
                "di WhatsApp: dopo aver controllato i dati nella finestra che si apre, il pulsante Invia "
                "messaggio apre WhatsApp Web con il promemoria già pronto."),
            QStringLiteral(
                "Il pulsante Planning settimanale mostra gli appuntamenti di una settimana, dal lunedì alla "
                "domenica, come riquadri alla loro ora, affiancati quando cadono alla stessa ora e colorati "
                "secondo lo stato: da assolvere, assolti, scaduti. Si può scegliere la settimana e un solo "
                "operatore, stampare la settimana e, con un doppio clic su un riquadro, aprire la scheda "
                "dell'appuntamento."),
        },
    };
}

HelpText appointmentGridHelp() {
    return {
        QStringLiteral("Visualizzazione appuntamenti"),
        {
            QStringLiteral(
                "Gli appuntamenti imminenti compaiono automaticamente nella schermata dell'agenda; il "
                "pulsante "
                "Esporta in Excel li mostra con tutti i loro dettagli in una griglia pronta per "
                "l'esportazione. "
                "Quando un appuntamento è stato assolto, bisogna richiamarne la scheda nello schedario, "
                "spuntare la casella Impegno assolto e premere Salva: soltanto così l'appuntamento esce "
                "dall'elenco."),
            QStringLiteral(
                "L'elenco degli appuntamenti imminenti tiene conto dei giorni di preavviso indicati in "
                "ciascuna "
                "scheda: un appuntamento vi compare a partire dalla sua data meno i giorni di preavviso."),
            QStringLiteral(
                "I due pulsanti sotto il calendario dell'agenda, Appuntamenti del giorno e Appuntamenti del "
                "mese, mostrano nella griglia tutti gli appuntamenti, assolti e non, del giorno o del mese "
                "selezionato nel calendario."),
            QStringLiteral("La griglia è ordinata per data e ora, qualunque sia l'ordine in cui gli "
                           "appuntamenti sono stati "
                           "inseriti; la colonna N. indica l'ordine in cui gli appuntamenti elencati sono "
                           "stati registrati "
                           "in archivio."),
            QStringLiteral(
                "Facendo clic sull'icona di Excel, il contenuto della griglia viene salvato all'istante in "
                "un "
                "file in formato XLS, che può essere aperto subito rispondendo sì alla domanda che segue."),
        },
    };
}

HelpText archiveExportHelp() {
    return {
        QStringLiteral("Esportazione archivio appuntamenti in Excel"),
        {
            QStringLiteral(
                "Il pulsante Esporta archivio consente di esportare tutte le schede dello schedario "
                "appuntamenti in un foglio di lavoro, che potrà essere aperto con qualsiasi programma in "
                "grado "
                "di gestire i file in formato XLS (ad esempio Microsoft Excel, LibreOffice o OpenOffice)."),
            QStringLiteral(
                "Dopo l'apertura della finestra con la griglia, facendo clic sull'icona di Excel il file XLS "
                "viene creato all'istante; per aprirlo subito basta rispondere sì alla domanda che segue."),
            QStringLiteral(
                "Una volta aperto, il file può essere salvato sul disco con il nome che si preferisce."),
        },
    };
}
