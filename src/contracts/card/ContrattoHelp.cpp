#include "contracts/card/ContrattoHelp.h"

HelpText contractHelp() {
    return {
        QStringLiteral("App Stesura Contratti"),
        {
            QStringLiteral(
                "L'app Stesura Contratti mette a disposizione un modello di contratto che consente di "
                "registrare "
                "le informazioni anagrafiche e fiscali della propria ditta di pulizie e del cliente, i dati "
                "dell'immobile presso cui sarà effettuato il servizio, le attività previste e comprese nella "
                "quota del contratto di pulizia (ad esempio, pulizia pavimento, svuotamento cestini, pulizia "
                "servizi igienici) e quelle escluse (ad esempio, spolveratura superfici, pulizia vetri, "
                "lavaggio "
                "moquette), gli orari e la durata media degli interventi, la frequenza dei servizi, le "
                "responsabilità contrattuali dell'impresa e quelle del cliente, gli estremi della polizza "
                "assicurativa, il fornitore dei materiali per le pulizie, la durata del contratto, le "
                "condizioni "
                "che consentono alle parti di recedere dal contratto, l'importo del canone concordato, il "
                "foro "
                "competente in caso di controversie, la periodicità e le modalità di pagamento."),
            QStringLiteral(
                "I dati personalizzabili del contratto di pulizia occupano una sola pagina di un foglio in "
                "formato A4. A tergo dello stesso foglio vanno invece stampate"
                " le clausole contrattuali generali, che sono le stesse per tutti i clienti. Si ricorda, "
                "inoltre, che il contratto di pulizia deve essere accompagnato dalla liberatoria per il "
                "consenso al trattamento"
                " dei dati personali e sensibili da far firmare al cliente. Il modulo per la privacy può "
                "essere "
                "compilato e stampato nell'ambiente riservato all'archiviazione dei dati dei clienti e dei "
                "servizi forniti."),
            QStringLiteral(
                "I dati e il logo della ditta di pulizie vanno inseriti una sola volta e sono memorizzati in "
                "automatico all'uscita dall'ambiente per la gestione del"
                " contratto di pulizia. Per inserire il proprio logo bisogna fare clic sul pulsante con la "
                "scritta omonima e premere Sfoglia per caricare un'immagine in formato Jpeg o Bitmap."),
            QStringLiteral("Per inserire un contratto in archivio, bisogna fare clic sul pulsante Nuovo, "
                           "compilare i campi "
                           "di testo che interessano e premere il pulsante Salva."
                           " Per modificare un contratto esistente, bisogna visualizzarlo nella schermata di "
                           "lavoro usando "
                           "le frecce di scorrimento dei record o la funzione di ricerca, apportare le "
                           "modifiche desiderate"
                           " e premere Salva."),
            QStringLiteral(
                "La numerazione consecutiva dei contratti di pulizia è gestita direttamente dal software. "
                "Infatti, nel momento in cui si preme il pulsante Nuovo,"
                " l'applicazione attribuisce al contratto il numero successivo al totale dei contratti già "
                "archiviati. Per far partire la numerazione automatica dei contratti da un numero superiore, "
                "basta"
                " premere il pulsante con la scritta \"N.\" e indicare il numero iniziale."),
            QStringLiteral(
                "Per velocizzare la compilazione dei campi del contratto di pulizia è possibile importare i "
                "dati "
                "del cliente dall'archivio anagrafico utilizzando il"
                " pulsante contraddistinto dall'icona di una freccia obliqua. L'utente può quindi scegliere "
                "se "
                "digitare sul momento le informazioni relative al cliente o se importarle dall'archivio "
                "anagrafico."),
            QStringLiteral(
                "Il pulsante Duplica risulta utile quando bisogna rinnovare un contratto relativo a un "
                "medesimo "
                "cliente. In questo modo, si evita di riscrivere tutti quei"
                " dati che restano invariati. Per duplicare la scheda di un contratto di pulizia, basta "
                "visualizzare quella già registrata in archivio, fare clic sul pulsante Duplica, aggiornare "
                "i "
                "dati esistenti e"
                " premere Salva."),
            QStringLiteral(
                "Per trovare le schede dei contratti in archivio è possibile utilizzare uno o più filtri di "
                "ricerca contemporaneamente. Ad esempio, si può ottenere"
                " l'elenco di tutti i contratti stipulati con un certo cliente, oppure di quelli che fanno "
                "riferimento ad un determinato tipo di immobile. La funzione Allega file è usata per "
                "abbinare "
                "alla scheda"
                " di ciascun contratto di pulizia fino a tre file di qualsiasi genere che potrebbero "
                "contenere, "
                "ad esempio, la copia acquisita allo scanner del contratto cartaceo firmato dal cliente."),
            QStringLiteral("Ciascun contratto di pulizia può essere stampato direttamente sulle due pagine "
                           "di un foglio A4 "
                           "o visualizzato in anteprima. L'intero archivio dei contratti"
                           " può essere esportato in un file di Microsoft Excel. Il foglio di Excel generato "
                           "potrà essere "
                           "aperto con qualsiasi software in grado di gestire i file in formato XLS (ad "
                           "esempio, con Open "
                           "Office,"
                           " Libre Office o Microsoft Office)."),
            QStringLiteral(
                "Il pulsante Pianifica interventi prepara gli appuntamenti del contratto corrente nello "
                "Schedario Appuntamenti: il cliente, il suo telefono e il cellulare della sua scheda "
                "anagrafica (trovata per partita IVA, codice fiscale o nome), il numero del contratto con "
                "le attività comprese, la data di stipula (ma non prima di oggi) e il primo orario "
                "indicato negli orari di intervento (altrimenti le 9:00) formano un appuntamento, che si "
                "ripete secondo la frequenza dei servizi (giornaliera dal lunedì al sabato, settimanale, "
                "bisettimanale il lunedì e il giovedì, mensile) per un anno, saltando i giorni festivi. "
                "Prima di premere Crea appuntamenti si possono cambiare il primo appuntamento, "
                "l'operatore, il cellulare, la ripetizione e la sua fine; come nella scheda appuntamento, "
                "servono i servizi richiesti e il cellulare del cliente. Il contratto non viene "
                "modificato."),
        }};
}

HelpText contractExportHelp() {
    return {
        QStringLiteral("Esportazione archivio contratti in Excel"),
        {QStringLiteral(
             "Il pulsante Esporta archivio consente di esportare i contratti di servizio pulizie in un "
             "foglio "
             "di lavoro di Microsoft Excel, che potrà essere aperto con qualsiasi software in grado di "
             "gestire i file in formato XLS (ad esempio, con Open Office, Libre Office o Microsoft Office)."),
         QStringLiteral(
             "Dopo aver aperto la finestra contenente la griglia dei dati, bisogna fare clic sull'icona di "
             "Excel. Questa operazione crea in tempo reale un file in"
             " formato XLS contenente le schede in archivio, che potrà essere aperto immediatamente "
             "rispondendo affermativamente al messaggio di domanda che appare."),
         QStringLiteral(
             "A questo punto è sufficiente salvare il file sul proprio disco fisso assegnandogli un "
             "nome qualsiasi.")}};
}
