#pragma once
// The record layouts of the system's archives, one field table each.
#include "core/records/RecordLayout.h"

namespace Archives {

const RecordLayout &clients();      // Contatti.pro
const RecordLayout &services();     // Servizi_Cliente_<n>.pro
const RecordLayout &employees();    // Archivio_Dipendenti.pro
const RecordLayout &works();        // Archivio_Lavori/Lavori_Dipendente_CF_<code>.pro
const RecordLayout &appointments(); // Archivio_Appuntamenti.pro
const RecordLayout &contracts();    // Contratti.pro

// The invoices (the invoice module's own files).
const RecordLayout &invoices();       // Fatture.pro: one header per invoice
const RecordLayout &invoiceLines();   // Fatture_Righe.pro
const RecordLayout &invoiceNumbers(); // Fatture_Numeri.pro: the numbers given at issuing
const RecordLayout &billingData();    // Dati_Fatturazione.pro: each client's billing data

// The services file is named after the client's record number.
QString servicesFileName(qint64 clientNumber);
// The names of every services file, as a folder listing's pattern; the part in
// place of "*" is the client's record number.
QString servicesFilePattern();
// The work register lives in a sub-folder, named after the employee's tax code.
QString worksFolderName();
QString worksFileName(const QString &taxCode);
QString worksFilePattern(); // every work file in the work folder

} // namespace Archives
