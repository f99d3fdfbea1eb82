// A second desk issuing invoices, for the invoice numbering tests:
//
//   tersalia_invoice_issuer <program folder> <tag> <count> <go-file>
//
// saves <count> drafts (a private person's, its Causale "<tag> <index>") in
// the program folder and issues each as the invoice screen does, with the
// company of the folder's settings files. It waits for <go-file> to exist
// before the first one, so two desks started one after the other issue at
// the same moment. Exit code 0 when every invoice was issued.
#include "core/platform/ProgramFolder.h"
#include "invoices/archive/InvoiceStore.h"
#include "invoices/issue/Issue.h"
#include "invoices/settings/InvoiceSettings.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fputs("usage: tersalia_invoice_issuer <program folder> <tag> <count> <go-file>\n", stderr);
        return 2;
    }
    ProgramFolder::setPath(args[1]);
    const QString tag = args[2], go = args[4];
    const int count = args[3].toInt();

    const QDeadlineTimer start(30000);
    while (!QFile::exists(go)) {
        if (start.hasExpired())
            return 3;
        QThread::usleep(200);
    }

    int failures = 0;
    for (int i = 0; i < count; ++i) {
        Invoice draft;
        draft.date = QDate(2026, 5, 4);
        draft.causale = QStringLiteral("%1 %2").arg(tag).arg(i);
        draft.buyer.name = QStringLiteral("Cliente ") + tag;
        draft.buyer.taxCode = QStringLiteral("RSSMRA85T10A562S");
        draft.buyer.street = QStringLiteral("Via Roma 1");
        draft.buyer.postcode = QStringLiteral("00100");
        draft.buyer.town = QStringLiteral("Roma");
        draft.buyer.province = QStringLiteral("RM");
        InvoiceLine line;
        line.description = QStringLiteral("Pulizia");
        line.unitPrice = *Decimal::parse(QStringLiteral("10"));
        draft.lines << line;
        qint64 record = 0;
        if (!InvoiceStore::saveDraft(draft, record)) {
            ++failures;
            continue;
        }
        const IssueResult result =
            Issue::draft(record, InvoiceSettings::seller(), InvoiceSettings::nextProgressive());
        if (!result.issued()) {
            std::fprintf(stderr, "invoice %d: outcome %d\n", i, int(result.outcome));
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
