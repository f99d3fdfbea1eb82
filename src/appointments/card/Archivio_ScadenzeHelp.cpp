#include "appointments/card/Archivio_ScadenzeHelp.h"

HelpText appointmentCardHelp() {
    return {
        QStringLiteral("App Schedario Appuntamenti"),
        {
            QStringLiteral(
                "Lo Schedario Appuntamenti consente di registrare gli appuntamenti fissati con i clienti, di "
                "vedere nell'agenda quelli imminenti e di esportarli in ordine cronologico in un foglio di "
                "lavoro. È l'unico ambiente in cui si inseriscono e si modificano gli appuntamenti: "
                "l'agenda li consulta soltanto e vi si accede con il pulsante Inserisci appuntamenti."),
            QStringLiteral(
                "Per registrare un nuovo appuntamento bisogna fare clic sul pulsante Nuovo, compilare i "
                "campi che interessano e premere Salva. I dati indispensabili sono la data e l'ora "
                "dell'appuntamento, i giorni di preavviso, il nome del cliente, il suo numero di cellulare e "
                "i servizi richiesti: se ne manca uno, il programma lo segnala e la scheda non viene "
                "salvata. La data si sceglie dal calendario, che si apre facendo clic sull'icona accanto al "
                "campo (o premendo un tasto nel campo stesso): selezionato il giorno, il pulsante Importa lo "
                "riporta nella scheda. Le ore e i minuti si scelgono dai rispettivi elenchi a discesa e "
                "valgono 00 finché non si cambiano. I dati del cliente possono essere importati "
                "dall'archivio anagrafico con il pulsante accanto al nome: facendo doppio clic sul cliente "
                "trovato, il nome, il telefono preferenziale, il cellulare, l'indirizzo e-mail e la "
                "modalità di pagamento vengono copiati nella scheda."),
            QStringLiteral(
                "Ogni scheda riporta, oltre alla data e all'ora, i giorni di preavviso, l'operatore "
                "incaricato dell'intervento, i servizi richiesti dal cliente con i relativi dettagli, il "
                "nome del cliente (o la ragione sociale), il telefono, il cellulare, l'indirizzo e-mail, la "
                "modalità di pagamento, l'importo, le note e la casella Impegno assolto. Si possono "
                "registrare tutti gli appuntamenti che si desidera, anche più di uno nello stesso giorno. "
                "Le frecce di scorrimento permettono di sfogliare le schede in archivio; per modificarne una "
                "basta visualizzarla, apportare le modifiche e premere Salva."),
            QStringLiteral(
                "Per gli appuntamenti ricorrenti si usa il pulsante Duplica: si visualizza la scheda già "
                "registrata in archivio, si preme Duplica, si scelgono la nuova data e la nuova ora e si "
                "preme Salva. La copia conserva tutti i dati della scheda di partenza tranne la data e "
                "l'ora, che vanno indicate di nuovo; viene copiata anche la casella Impegno assolto, quindi "
                "se la scheda di partenza era già segnata come assolta occorre togliere la spunta prima di "
                "salvare. Per un appuntamento che si ripete a intervalli regolari si usa invece il pulsante "
                "Ripeti: si indica ogni quanti giorni, settimane o mesi si ripete (per le settimane, anche "
                "in "
                "quali giorni, ad esempio il martedì e il venerdì) e fino a quale giorno oppure quante volte "
                "in tutto. L'elenco mostra ogni appuntamento che sarà inserito, con i giorni festivi "
                "segnalati; spuntando Salta i giorni festivi, un appuntamento che cade in un giorno festivo "
                "è "
                "spostato al primo giorno feriale successivo, senza spostare quelli che seguono; se quel "
                "giorno ha già un appuntamento della serie, ne resta uno solo, e uno spostato oltre la data "
                "di fine non viene inserito. Il pulsante "
                "Crea appuntamenti li inserisce tutti in archivio in una volta sola, insieme alla scheda "
                "corrente se non era ancora stata salvata."),
            QStringLiteral(
                "Dopo aver salvato la scheda, si può inviare al cliente la conferma dell'appuntamento "
                "tramite WhatsApp facendo clic sull'icona accanto al campo del cellulare: si apre WhatsApp "
                "Web nel browser con un messaggio già pronto che riporta l'ora e il giorno "
                "dell'appuntamento, da inviare al numero di cellulare indicato. Il pulsante accanto al campo "
                "E-mail apre invece il programma di posta elettronica con l'indirizzo del cliente già "
                "inserito."),
            QStringLiteral(
                "Il pulsante Trova apre la ricerca avanzata, che permette di usare uno o più criteri "
                "contemporaneamente, ad esempio la data, l'operatore, i servizi richiesti o il nome del "
                "cliente. L'elenco delle schede trovate può essere stampato e, con un doppio clic su una "
                "voce, la scheda corrispondente viene richiamata nello schedario."),
            QStringLiteral(
                "I giorni di preavviso indicano con quanto anticipo l'agenda deve cominciare a segnalare "
                "l'appuntamento: a partire da quel momento, ogni volta che si apre l'agenda, un messaggio "
                "visivo e un breve avviso sonoro avvertono che ci sono appuntamenti imminenti. Con zero "
                "giorni di preavviso l'appuntamento viene segnalato il giorno stesso; se il campo viene "
                "lasciato vuoto, il programma vi scrive 0."),
            QStringLiteral(
                "Quando un appuntamento è stato assolto, bisogna richiamarne la scheda, spuntare la casella "
                "Impegno assolto e premere Salva: soltanto così l'appuntamento esce dall'elenco degli "
                "appuntamenti imminenti. Un appuntamento non segnato come assolto continua a comparire "
                "nell'agenda anche dopo la sua data."),
            QStringLiteral(
                "I pulsanti Assolti, Da assolvere e Scaduti mostrano il riepilogo, rispettivamente, degli "
                "impegni assolti, di quelli ancora da assolvere (scaduti o no) e di quelli scaduti e non "
                "assolti. In ogni riepilogo si può cercare una voce digitando una o più parole e premendo "
                "Trova, e l'elenco può essere stampato."),
            QStringLiteral("Facendo doppio clic su una voce di un riepilogo, la scheda dell'appuntamento "
                           "viene richiamata nello schedario: a questo punto basta spuntare la casella "
                           "Impegno assolto e premere Salva per aggiornarla."),
            QStringLiteral("Ogni scheda può essere visualizzata in anteprima o stampata con i dati presenti "
                           "sullo schermo. Il pulsante Esporta mostra in una griglia l'intero archivio degli "
                           "appuntamenti; facendo clic sull'icona di Excel, la griglia viene salvata in un "
                           "foglio di lavoro in formato XLS, che può essere aperto con qualsiasi programma "
                           "in grado di gestire questo formato (ad esempio Microsoft Excel, LibreOffice o "
                           "OpenOffice)."),
        },
    };
}
