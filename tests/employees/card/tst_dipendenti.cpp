// The employee card: record bytes, required fields, the photo file written
// after every save and read after every load, Duplica, the employee search's
// hand-back and the register button's checks.
#include "EmployeeFixture.h"
#include "TestEnv.h"
#include "employees/card/Dipendenti.h"
#include "employees/photo/EmployeePhoto.h"
#include "employees/card/TrovaDipendenti.h"
#include "shell/Application.h"
#include "ui/attachments/AllegaCartella.h"
#include "ui/card/CardScreen.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListView.h"
#include "validators/CodFisc.h"
#include "validators/PartitaIVA.h"

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {
const QString kArchive = QStringLiteral("Archivio_Dipendenti.pro");

// One field written by hand: length byte, Windows-1252 text, at its offset.
void put(QByteArray &record, int offset, const QByteArray &text) {
    record[offset] = char(text.size());
    record.replace(offset + 1, text.size(), text);
}

QImage solid(QSize size, QColor color) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(color);
    return img;
}

bool isPlaceholder(const QImage &img) { return img == EmployeePhoto::placeholder(); }
} // namespace

class TstDipendenti : public QObject {
    Q_OBJECT
    ScreenSeams *seams = nullptr;
    TfrmDipendenti *card = nullptr;

    TempProgramFolder &folder() { return seams->folder; }
    void type(QWidget *w, const QString &text) {
        w->setFocus();
        QTest::keyClicks(w, text);
    }
    void fillRequired() {
        type(card->txtDipendente, QStringLiteral("Rossi Mario"));
        type(card->txtCodFisc, QStringLiteral("RSSMRA80A01H501U"));
        type(card->txtCel, QStringLiteral("3331234567"));
        type(card->txtQualifica, QStringLiteral("Operaio"));
        type(card->txtReparto, QStringLiteral("Uffici"));
    }
    void writeArchive(const QList<QByteArray> &records) {
        QByteArray all;
        for (const QByteArray &r : records)
            all += r;
        folder().write(kArchive, all);
    }
    void writePhoto(qint64 n, const QImage &img) {
        QDir().mkpath(folder().file("Anagrafica"));
        QVERIFY(img.save(folder().file(QStringLiteral("Anagrafica/Scheda_Dipendente_%1.jpg").arg(n)), "JPG"));
    }

private slots:
    void init() {
        seams = new ScreenSeams;
        card = Tersalia::createScreens().dipendenti;
        card->openModule();
    }
    void cleanup() {
        Tersalia::destroyScreens();
        delete seams;
    }

    void newCardIsSavedByteForByteWithItsPlaceholderPhoto() {
        QVERIFY(isPlaceholder(card->photo()));
        fillRequired();
        type(card->txtSesso, QStringLiteral(" f"));
        card->txtCitta->setText(QStringLiteral("Città")); // Qt Test types ASCII only
        type(card->txtIban, QStringLiteral("it60x0542811101000000123456"));
        type(card->txtNote, QStringLiteral("  turno di notte  "));
        card->cmdSalva->click();
        QCOMPARE(seams->messages.lastText(),
                 QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("1"));

        QByteArray expected(3356, '\0');
        put(expected, 0, "Rossi Mario");
        put(expected, 51, "F");
        put(expected, 287, "Citt\xe0");
        put(expected, 400, "RSSMRA80A01H501U");
        put(expected, 804, "3331234567");
        put(expected, 835, "Operaio");
        put(expected, 886, "Uffici");
        put(expected, 1309, "IT60X0542811101000000123456");
        put(expected, 1599, "turno di notte");
        QCOMPARE(folder().read(kArchive), expected);

        const QImage stored(folder().file("Anagrafica/Scheda_Dipendente_1.jpg"));
        QCOMPARE(stored.size(), QSize(307, 394));
    }

    void savingAStoredCardAgainRewritesTheSameRecordAndPhoto() {
        writeArchive(
            {employee("Bianchi Anna", "BNCNNA85B41F205X"), employee("Verdi Luca", "VRDLCU90C10L219Y")});
        card->cmdPrimo->click();
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("1"));
        card->txtReparto->setText(QStringLiteral("Magazzino"));
        card->cmdSalva->click();
        card->cmdSalva->click();
        QCOMPARE(
            seams->messages.lastText(),
            QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        const QByteArray bytes = folder().read(kArchive);
        QCOMPARE(bytes.size(), 2 * 3356);
        QCOMPARE(bytes.left(3356), employee("Bianchi Anna", "BNCNNA85B41F205X", "Operaio", "Magazzino"));
        QVERIFY(QFile::exists(folder().file("Anagrafica/Scheda_Dipendente_1.jpg")));
        QVERIFY(!QFile::exists(folder().file("Anagrafica/Scheda_Dipendente_2.jpg")));
    }

    void requiredFieldsInOrder_data() {
        QTest::addColumn<QString>("blank");
        QTest::addColumn<QString>("warning");
        const QString need = QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
        QTest::newRow("name") << "txtDipendente" << need + "cognome e nome del dipendente.";
        QTest::newRow("tax code") << "txtCodFisc" << need + "il codice fiscale del dipendente.";
        QTest::newRow("mobile") << "txtCel" << need + "il numero di cellulare dal dipendente.";
        QTest::newRow("qualification") << "txtQualifica" << need + "la qualifica dal dipendente.";
        QTest::newRow("department") << "txtReparto" << need + "il reparto dal dipendente.";
    }
    void requiredFieldsInOrder() {
        QFETCH(QString, blank);
        QFETCH(QString, warning);
        fillRequired();
        // The field and every later required one are missing: only the first is reported.
        const QStringList order = {"txtDipendente", "txtCodFisc", "txtCel", "txtQualifica", "txtReparto"};
        for (int i = int(order.indexOf(blank)); i < order.size(); ++i)
            card->findChild<QLineEdit *>(order[i])->setText(QString());
        auto *edit = card->findChild<QLineEdit *>(blank);
        edit->setText(QStringLiteral("   ")); // blanks only count as missing
        card->cmdSalva->click();
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown.first().kind, MessageKind::Warning);
        QCOMPARE(seams->messages.lastText(), warning);
        QCOMPARE(card->focusWidget(), edit);
        QVERIFY(!QFile::exists(folder().file(kArchive)) || folder().read(kArchive).isEmpty());
    }

    void loadShowsTheStoredPhotoOrThePlaceholder() {
        writeArchive({employee("Uno", "AAA"), employee("Due", "BBB"), employee("Tre", "CCC")});
        writePhoto(2, solid(QSize(200, 300), QColor(200, 30, 30)));
        QDir().mkpath(folder().file("Anagrafica"));
        folder().write("Anagrafica/Scheda_Dipendente_3.jpg", "not a picture at all");

        card->cmdPrimo->click(); // no file at all
        QVERIFY(isPlaceholder(card->photo()));
        card->cmdAvanti->click();
        QCOMPARE(card->txtDipendente->text(), QStringLiteral("Due"));
        QCOMPARE(card->photo().size(), QSize(200, 300));
        const QColor centre = card->photo().pixelColor(100, 150);
        QVERIFY2(centre.red() > 170 && centre.green() < 70, qPrintable(centre.name()));
        card->cmdAvanti->click(); // a file that is not a picture
        QCOMPARE(card->txtDipendente->text(), QStringLiteral("Tre"));
        QVERIFY(isPlaceholder(card->photo()));
        // Nuovo puts the placeholder back and writes nothing.
        card->cmdIndietro->click();
        card->cmdNuovo->click();
        QVERIFY(isPlaceholder(card->photo()));
        QVERIFY(card->lblPosizione->text().isEmpty());
    }

    void aPhotoThatCannotBeWrittenIsReportedAndTheRecordStaysSaved() {
        // A folder stands where the photo file should go.
        QDir().mkpath(folder().file("Anagrafica/Scheda_Dipendente_1.jpg"));
        fillRequired();
        card->cmdSalva->click();
        QCOMPARE(seams->messages.shown.size(), 2);
        QCOMPARE(seams->messages.shown[0].kind, MessageKind::Warning);
        QVERIFY(
            seams->messages.shown[0].text.contains(QStringLiteral("non è stato possibile salvare la foto")));
        QVERIFY(seams->messages.shown[0].text.contains(QStringLiteral("Scheda_Dipendente_1.jpg")));
        QCOMPARE(seams->messages.shown[1].text,
                 QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(folder().read(kArchive).size(), 3356);
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("1"));
        QVERIFY(QFileInfo(folder().file("Anagrafica/Scheda_Dipendente_1.jpg")).isDir());
    }

    void duplicateCopiesTheCardWithoutAttachmentsOrPhoto() {
        QByteArray source = employee("Bianchi Anna", "BNCNNA85B41F205X");
        {
            Record r(Archives::employees());
            r.bytes() = source;
            r.set("File01", "documento.pdf");
            r.set("Desc01", "Carta d'identità");
            source = r.bytes();
        }
        writeArchive({source});
        writePhoto(1, solid(QSize(100, 100), Qt::green));
        card->cmdDuplica->click();
        QCOMPARE(seams->messages.lastText(),
                 QStringLiteral(
                     "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                     "stata inserita in archivio."));
        card->cmdPrimo->click();
        QCOMPARE(card->lblFile01->text(), QStringLiteral("documento.pdf"));
        card->cmdDuplica->click();
        QVERIFY(card->lblPosizione->text().isEmpty());
        QVERIFY(card->lblFile01->text().isEmpty());
        QVERIFY(card->lblDesc01->text().isEmpty());
        QVERIFY(isPlaceholder(card->photo()));
        QCOMPARE(card->txtDipendente->text(), QStringLiteral("Bianchi Anna"));
        card->cmdSalva->click();
        const QByteArray bytes = folder().read(kArchive);
        QCOMPARE(bytes.size(), 2 * 3356);
        QCOMPARE(bytes.left(3356), source);
        QCOMPARE(bytes.mid(3356), employee("Bianchi Anna", "BNCNNA85B41F205X"));
        QCOMPARE(QImage(folder().file("Anagrafica/Scheda_Dipendente_2.jpg")).size(), QSize(307, 394));
        QCOMPARE(QImage(folder().file("Anagrafica/Scheda_Dipendente_1.jpg")).size(), QSize(100, 100));
    }

    void attachmentsReachTheRecordAtTheNextSave() {
        writeArchive({employee("Bianchi Anna", "BNCNNA85B41F205X")});
        card->cmdPrimo->click();
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmAllegaCartella *>(w);
            QVERIFY(s);
            QCOMPARE(s->lblMemory->text(), QStringLiteral("dipendenti"));
            QVERIFY(s->txtFile01->text().isEmpty());
            s->txtDesc02->setText(QStringLiteral("Contratto firmato"));
            s->btnApplica->click();
        });
        card->cmdFile->click();
        QCOMPARE(card->lblDesc02->text(), QStringLiteral("Contratto firmato"));
        QCOMPARE(folder().read(kArchive), employee("Bianchi Anna", "BNCNNA85B41F205X")); // not yet
        card->cmdSalva->click();
        Record saved(Archives::employees());
        saved.bytes() = folder().read(kArchive);
        QCOMPARE(saved.get("Desc02"), QStringLiteral("Contratto firmato"));
        QCOMPARE(saved.get("Dipendente"), QStringLiteral("Bianchi Anna"));
    }

    void searchFillsTheCardAndLoadsThePhoto() {
        writeArchive(
            {employee("Verdi Luca", "VRDLCU90C10L219Y", "Autista", "Trasporti"),
             employee("Bianchi Anna", "BNCNNA85B41F205X", "Caposquadra", "Uffici", "lingue: inglese"),
             employee("Rossi Mario", "RSSMRA80A01H501U", "Operaio", "Uffici")});
        writePhoto(2, solid(QSize(120, 160), QColor(20, 20, 200)));
        bool ran = false;
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmTrovaDipendenti *>(w);
            QVERIFY(s);
            QCOMPARE(s->windowTitle(), QStringLiteral(" Trova dipendenti in archivio"));
            QCOMPARE(s->lblMemory->text(), QStringLiteral("dipendenti"));
            s->criterion("txtReparto")->setText(QStringLiteral("uff"));
            s->btnCerca->click();
            const QStringList lines = s->list->lstRecords->listModel()->lines();
            QCOMPARE(lines.size(), 2); // sorted: Bianchi before Rossi
            QCOMPARE(lines[0], QStringLiteral("Bianchi Anna") + QString(14, ' ') +
                                   QStringLiteral("  Cel. 3330000000") + QString(4, ' ') +
                                   QStringLiteral("  Qual. Caposquadra") + QString(13, ' ') +
                                   QStringLiteral("  Rep. Uffici") + QString(18, ' ') +
                                   QStringLiteral("  Disp. Mattina"));
            QVERIFY(lines[1].startsWith(QStringLiteral("Rossi Mario ")));
            QCOMPARE(s->list->lblTrovate->text(), QStringLiteral("Il presente riepilogo contiene 2 schede"));
            s->loadLine(0);
            ran = true;
        });
        card->cmdTrova->click();
        QVERIFY(ran);
        QCOMPARE(card->txtDipendente->text(), QStringLiteral("Bianchi Anna"));
        QCOMPARE(card->txtNote->text(), QStringLiteral("lingue: inglese"));
        QCOMPARE(card->lblPosizione->text(), QStringLiteral("2"));
        QCOMPARE(card->photo().size(), QSize(120, 160));
        // A later Salva updates that record.
        card->txtReparto->setText(QStringLiteral("Direzione"));
        card->cmdSalva->click();
        QCOMPARE(folder().read(kArchive).mid(3356, 3356),
                 employee("Bianchi Anna", "BNCNNA85B41F205X", "Caposquadra", "Direzione", "lingue: inglese"));
    }

    void taxCodeButtonOpensTheRightCheck_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("vatCheck");
        QTest::newRow("digits only: a VAT number") << "12345678901" << true;
        QTest::newRow("a tax code") << "RSSMRA80A01H501U" << false;
        QTest::newRow("one letter") << "1234567890A" << false;
        QTest::newRow("empty") << "" << false;
    }
    void taxCodeButtonOpensTheRightCheck() {
        QFETCH(QString, typed);
        QFETCH(bool, vatCheck);
        card->txtCodFisc->setText(typed);
        QString opened, value;
        whenModal([&](QWidget *w) {
            if (auto *vat = qobject_cast<TfrmPartitaIva *>(w)) {
                opened = QStringLiteral("vat");
                value = vat->txtPartitaIva->text();
            } else if (auto *code = qobject_cast<TfrmCodFisc *>(w)) {
                opened = QStringLiteral("tax code");
                value = code->txtCodFisc->text();
            }
            w->close();
        });
        card->btnCodFisc->click();
        QCOMPARE(opened, vatCheck ? QStringLiteral("vat") : QStringLiteral("tax code"));
        QCOMPARE(value, typed);
    }

    void registerButtonChecks_data() {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("warningStart");
        const QString need =
            QStringLiteral("Attenzione: per registrare le prestazioni lavorative è necessario ");
        QTest::newRow("new card") << false << "Rossi"
                                  << "RSSMRA80A01H501U"
                                  << "Attenzione: la registrazione delle prestazioni lavorative può avvenire "
                                     "soltanto dopo aver salvato la scheda del dipendente.";
        QTest::newRow("no name") << true << ""
                                 << "RSSMRA80A01H501U" << need + "indicare il nome del dipendente.";
        QTest::newRow("no tax code") << true << "Rossi"
                                     << "" << need + "indicare il codice fiscale del dipendente.";
        QTest::newRow("slash") << true << "Rossi"
                               << "../../evil"
                               << "Attenzione: il codice fiscale \"../../evil\"";
        QTest::newRow("backslash") << true << "Rossi"
                                   << "A\\B"
                                   << "Attenzione: il codice fiscale \"A\\B\"";
        QTest::newRow("dots") << true << "Rossi"
                              << "AB..CD"
                              << "Attenzione: il codice fiscale \"AB..CD\"";
        QTest::newRow("colon") << true << "Rossi"
                               << "C:X"
                               << "Attenzione: il codice fiscale \"C:X\"";
        QTest::newRow("star") << true << "Rossi"
                              << "RSS*"
                              << "Attenzione: il codice fiscale \"RSS*\"";
        QTest::newRow("quote") << true << "Rossi"
                               << "RS\"S"
                               << "Attenzione: il codice fiscale \"RS\"S\"";
        QTest::newRow("pipe") << true << "Rossi"
                              << "RS|S"
                              << "Attenzione: il codice fiscale \"RS|S\"";
    }
    void registerButtonChecks() {
        QFETCH(bool, stored);
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QString, warningStart);
        if (stored) {
            writeArchive({employee("Rossi", "RSSMRA80A01H501U")});
            card->cmdPrimo->click();
        }
        card->txtDipendente->setText(name);
        card->txtCodFisc->setText(code);
        seams->messages.clear();
        {
            const NoModalExpected noRegister; // a register that opened fails the row at once
            card->btnLavori->click();
        }
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown.first().kind, MessageKind::Warning);
        QVERIFY2(seams->messages.lastText().startsWith(warningStart), qPrintable(seams->messages.lastText()));
        // Nothing was created, inside the program folder or next to it.
        QVERIFY(!QFileInfo::exists(folder().file("Archivio_Lavori")));
        QStringList inFolder;
        QDirIterator it(folder().path(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            inFolder << it.next().mid(folder().path().size());
        inFolder.sort();
        const QStringList expected = stored ? QStringList{"Anagrafica", kArchive} : QStringList{};
        QCOMPARE(inFolder, expected);
        QVERIFY(QDir(folder().path() + "..").entryList({"*evil*", "Lavori_*"}).isEmpty());
    }
};

QTEST_MAIN(TstDipendenti)
#include "tst_dipendenti.moc"
