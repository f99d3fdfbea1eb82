// The privacy consent: the screen filled from the client card, the company's
// settings read on opening and written by Chiudi (and reported when they
// cannot be), the RTF document piece by piece with values escaped so any
// value reads back exactly, and LibreOffice reading it.
#include "TestEnv.h"
#include "clients/Clienti.h"
#include "core/platform/Clock.h"
#include "core/settings/IniFile.h"
#include "core/text/TextRules.h"
#include "privacy/Privacy.h"
#include "privacy/PrivacyDocument.h"
#include "shell/Application.h"
#include "ui/card/CardParts.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QToolButton>

namespace {
const char *const kCompany[][2] = {{"txtStudioDent", "Pulizie Splendor S.r.l."},
                                   {"txtTelDent", "Bianchi Giovanni"},
                                   {"txtIvaDent", "01234567890"},
                                   {"txtCodFiscDent", "BNCGNN70A01H501X"},
                                   {"txtCittaDent", "Forlì"},
                                   {"txtProvDent", "FC"},
                                   {"txtIndirizzoDent", "Via Emilia 10"},
                                   {"txtCapDent", "47121"},
                                   {"txtPrivacy", "Verdi Paola"},
                                   {"txtLuogo", "Forlì"}};
} // namespace

class TstPrivacy : public QObject {
    Q_OBJECT
    ScreenSeams *seams = nullptr;

    // Opens the screen modally, runs steps, leaves it through Chiudi if still open.
    void withScreen(const std::function<void(TfrmPrivacy *)> &steps) {
        bool ran = false;
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmPrivacy *>(w);
            QVERIFY(s);
            steps(s);
            ran = true;
            if (s->isVisible())
                s->btnChiudi->click();
        });
        TfrmPrivacy screen;
        screen.exec();
        QVERIFY(ran);
    }
    static void fillAll(TfrmPrivacy *s) {
        for (const auto &c : kCompany)
            s->setValue(c[0], QString::fromUtf8(c[1]));
        s->setValue("txtPaziente", QStringLiteral("Rossi Mario"));
        s->setValue("txtComuneNasc", QStringLiteral("Cesena"));
        s->setValue("txtProvNasc", QStringLiteral("FC"));
        s->setValue("txtDataNasc", QStringLiteral("01/02/1980"));
        s->setValue("txtComuneRes", QStringLiteral("Cesenatico"));
        s->setValue("txtProvRes", QStringLiteral("FC"));
        s->setValue("txtCapRes", QStringLiteral("47042"));
        s->setValue("txtIndirizzo", QStringLiteral("Via Mare 3"));
        s->setValue("txtCodFisc", QStringLiteral("RSSMRA80B01C573X"));
        s->setValue("txtRecapito", QStringLiteral("0547 123456"));
        s->setValue("txtData", QStringLiteral("05/03/2024"));
    }

private slots:
    void init() {
        seams = new ScreenSeams;
        Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(10, 0)));
    }
    void cleanup() {
        Clock::setFixed(QDateTime());
        delete seams;
    }

    // The banner over the bands is drawn as wide as they are, as a card's title is, at any width.
    void bannerAsWideAsTheBands() {
        withScreen([](TfrmPrivacy *s) {
            for (int width : {900, 1200}) {
                s->resize(width, s->height());
                QCoreApplication::processEvents();
                const QList<CardBand *> bands = s->findChildren<CardBand *>();
                QVERIFY(!bands.isEmpty());
                const QRect band = bands.first()->geometry();
                const QImage shot = s->grab().toImage();
                const QColor background = s->palette().window().color();
                const int y = band.top() - 45; // through the banner above the first band
                for (int x : {band.left() + 3, band.right() - 3})
                    QVERIFY2(shot.pixelColor(x, y) != background, qPrintable(QStringLiteral("x %1").arg(x)));
            }
        });
    }

    void documentPieceByPiece() {
        withScreen([&](TfrmPrivacy *s) {
            QCOMPARE(s->windowTitle(), QStringLiteral(" Esporta e stampa Modulo Privacy"));
            fillAll(s);
            QVERIFY(s->btnRTFClick());
        });
        QCOMPARE(seams->messages.shown.size(), 2);
        QCOMPARE(seams->messages.shown[0].text,
                 QStringLiteral(
                     "Questa procedura esporterà il modulo per il consenso al trattamento dei dati "
                     "personali in un documento in formato RTF.\r\n\r\nSi conferma la creazione del file?"));
        QCOMPARE(seams->messages.shown[1].text,
                 QStringLiteral("Il file del modulo per il trattamento dei dati personali è stato creato con "
                                "successo.\r\n\r\nSi vuole aprire il documento?"));
        const QString path = seams->folder.file(QStringLiteral("Modulo_Privacy.rtf"));
        QCOMPARE(seams->shell.commands, QStringList{QLatin1Char('"') + path + QLatin1Char('"')});
        const QByteArray rtf = seams->folder.read(QStringLiteral("Modulo_Privacy.rtf"));
        QVERIFY(!rtf.contains('\n') && !rtf.contains('\r'));
        const QByteArray head =
            "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times "
            "New "
            "Roman;}{\\f1\\fnil Verdana;}}"
            "{\\colortbl ;\\red0\\green0\\blue0;}"
            "\\viewkind4\\uc1\\pard\\qc\\b\\f0\\fs40 Consenso al trattamento dei dati personali e sensibili"
            "\\par \\b0\\fs28 (Informativa ai sensi del Regolamento UE 2016/679)"
            "\\par ______________________________________________________"
            "\\par"
            "\\par \\pard\\qj\\fs24 Ai sensi del Regolamento UE 2016/679 (Regolamento Generale sulla "
            "Protezione dei "
            "Dati - General Data Protection Regulation - GDPR), la presente Impresa \\b Pulizie Splendor "
            "S.r.l.\\b0 , con sede a \\b Forl\xec\\b0  (\\b FC\\b0 ), CAP: \\b 47121\\b0 , in \\b Via Emilia "
            "10\\b0 , codice fiscale: \\b BNCGNN70A01H501X\\b0 , partita IVA: \\b 01234567890\\b0 , "
            "Rappresentante legale: \\b Bianchi Giovanni\\b0 , informa che i dati qualificati come personali "
            "dalla "
            "legge (ivi compresi i dati anagrafici, di contatto, fiscali e la propria immagine fotografica), "
            "ad "
            "essa forniti dal Cliente Sig. \\b Rossi Mario\\b0 , nato a \\b Cesena\\b0  (\\b FC\\b0 ) il \\b "
            "01/02/1980\\b0 , residente a \\b Cesenatico\\b0  (\\b FC\\b0 ), CAP: \\b 47042\\b0  in \\b Via "
            "Mare "
            "3\\b0 , codice fiscale: \\b RSSMRA80B01C573X\\b0 , recapito telefonico: \\b 0547 123456\\b0 , "
            "saranno "
            "trattati come di seguito descritto:"
            "\\par"
            "\\par \\b 1. Finalit\\'e0 e modalit\\'e0 del trattamento cui sono destinati i dati.";
        QVERIFY2(rtf.startsWith(head), rtf.left(1200).constData());
        QVERIFY(
            rtf.contains("Data Protection Officer (DPO) \xe8 l'Impresa, rappresentata dal Sig. \\b Verdi "
                         "Paola\\b0 , domiciliato per la carica nella sede della medesima Impresa.\\par"));
        QVERIFY(rtf.contains(
            "\\par \\pard\\qj\\b0 Io sottoscritto \\b Rossi Mario\\b0 , nato a \\b Cesena\\b0  "
            "(\\b FC\\b0 ) il \\b 01/02/1980\\b0 , residente a \\b Cesenatico\\b0  (\\b FC\\b0 ), "
            "CAP: \\b 47042\\b0  in \\b Via Mare 3\\b0 , codice fiscale: \\b RSSMRA80B01C573X\\b0 , "
            "esprimo il mio libero consenso"));
        QVERIFY(rtf.endsWith("\\par \\b Forl\xec\\b0 , \\b 05/03/2024\\b0 ."
                             "\\par"
                             "\\par \\pard\\qr\\b Firma del Cliente per accettazione"
                             "\\par"
                             "\\par _______________________________"
                             "\\par \\b0"
                             "\\par \\pard\\cf1\\b\\f1"
                             "\\par }"));
        QCOMPARE(PrivacyDocument::pieces({}).size(), 50);
    }

    void valuesAreEscaped_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("plain") << QStringLiteral("Rossi") << QByteArray("Rossi");
        QTest::newRow("accent as one byte") << QStringLiteral("Niccolò") << QByteArray("Niccol\xf2");
        QTest::newRow("backslash") << QStringLiteral("C:\\dati") << QByteArray("C:\\\\dati");
        QTest::newRow("braces") << QStringLiteral("{Ditta}") << QByteArray("\\{Ditta\\}");
        QTest::newRow("Greek") << QStringLiteral("Αθήνα")
                               << QByteArray("\\u913?\\u952?\\u942?\\u957?\\u945?");
        QTest::newRow("euro stays") << QStringLiteral("€ 5") << QByteArray("\x80 5");
        QTest::newRow("beyond 32767") << QStringLiteral("\uFB01") << QByteArray("\\u-1279?");
    }
    void valuesAreEscaped() {
        QFETCH(QString, value);
        QFETCH(QByteArray, written);
        const QByteArray rtf = PrivacyDocument::bytes({{QStringLiteral("txtPaziente"), value}});
        QVERIFY2(rtf.contains("dal Cliente Sig. \\b " + written + "\\b0 , nato a"),
                 rtf.mid(1200, 300).constData());
    }

    void libreOfficeReadsEveryValueBack() {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("LibreOffice Writer is not installed: the document cannot be read back");
        const QMap<QString, QString> values = {{"txtStudioDent", "Ditta {Pulita} \\ Sorelle"},
                                               {"txtPaziente", "Niccolò Αλέξης"},
                                               {"txtIndirizzo", "Via } Roma {"},
                                               {"txtPrivacy", "Dott. \\par Verdi"},
                                               {"txtLuogo", "Forlì"},
                                               {"txtData", "05/03/2024"},
                                               {"txtCodFisc", "RSSMRA80B01C573X"}};
        QFile f(seams->folder.file(QStringLiteral("Modulo_Privacy.rtf")));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(PrivacyDocument::bytes(values));
        f.close();
        QTemporaryDir work;
        QProcess p;
        p.start(soffice,
                {QStringLiteral("-env:UserInstallation=") +
                     QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString(),
                 QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                 QStringLiteral("txt:Text"), QStringLiteral("--outdir"), work.path(), f.fileName()});
        QVERIFY(p.waitForFinished(180000));
        QFile txt(work.filePath(QStringLiteral("Modulo_Privacy.txt")));
        if (!txt.open(QIODevice::ReadOnly))
            QSKIP(
                "LibreOffice could not open the RTF document (Writer, libreoffice-writer-nogui, is needed)");
        const QString text = QString::fromUtf8(txt.readAll());
        QVERIFY(text.contains(QStringLiteral("Consenso al trattamento dei dati personali e sensibili")));
        for (auto it = values.begin(); it != values.end(); ++it)
            QVERIFY2(text.contains(it.value()), qPrintable(it.key() + QStringLiteral(": ") + it.value()));
        QVERIFY(text.contains(QStringLiteral("Firma del Cliente per accettazione")));
    }

    void answers_data() {
        QTest::addColumn<bool>("first");
        QTest::addColumn<bool>("second");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("opened");
        QTest::newRow("No: nothing written") << false << true << false << false;
        QTest::newRow("Yes, No: written, not opened") << true << false << true << false;
    }
    void answers() {
        QFETCH(bool, first);
        QFETCH(bool, second);
        QFETCH(bool, written);
        QFETCH(bool, opened);
        seams->messages.answerNext(first);
        seams->messages.answerNext(second);
        withScreen([&](TfrmPrivacy *s) { s->btnRTF->click(); });
        QCOMPARE(QFile::exists(seams->folder.file(QStringLiteral("Modulo_Privacy.rtf"))), written);
        QCOMPARE(!seams->shell.commands.isEmpty(), opened);
    }

    void unwritableDocumentGivesThePlainMessage() {
        QVERIFY(QDir(seams->folder.path()).mkdir(QStringLiteral("Modulo_Privacy.rtf")));
        withScreen([&](TfrmPrivacy *s) {
            QVERIFY(!s->btnRTFClick());
            QVERIFY(s->isVisible());
        });
        QCOMPARE(seams->messages.shown.size(), 2);
        QCOMPARE(seams->messages.shown[1].kind, MessageKind::Plain);
        QCOMPARE(seams->messages.shown[1].text,
                 QStringLiteral(
                     "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il "
                     "documento non sia già aperto."));
    }

    void companyDataKeptByChiudiOnly() {
        withScreen([&](TfrmPrivacy *s) {
            fillAll(s);
            QVERIFY(s->btnRTFClick());
            QVERIFY(!QFile::exists(TfrmPrivacy::settingsFile()));
            QVERIFY(s->btnChiudiClick());
        });
        const IniFile ini(TfrmPrivacy::settingsFile());
        QCOMPARE(ini.read(QStringLiteral("Modulo Privacy"), QStringLiteral("Denominazione Impresa")),
                 QStringLiteral("Pulizie Splendor S.r.l."));
        QCOMPARE(ini.read(QStringLiteral("Modulo Privacy"), QStringLiteral("Rappresentante Legale")),
                 QStringLiteral("Bianchi Giovanni"));
        QCOMPARE(ini.read(QStringLiteral("Modulo Privacy"), QStringLiteral("Provincia Sede")),
                 QStringLiteral("FC"));
        QVERIFY(!seams->folder.read(QStringLiteral("Liberatoria_Privacy.ini")).contains("Rossi Mario"));
        withScreen([&](TfrmPrivacy *s) {
            for (const auto &c : kCompany)
                QCOMPARE(s->values().value(QLatin1String(c[0])), QString::fromUtf8(c[1]));
            QCOMPARE(s->txtPaziente->text(), QString());
            QCOMPARE(s->txtData->text(), QStringLiteral("05/03/2024"));
        });
    }

    // Escape leaves the form as it leaves every other satellite, and as
    // Chiudi does: the company's data are kept.
    void escapeLeavesAsChiudi() {
        bool closed = false;
        withScreen([&](TfrmPrivacy *s) {
            fillAll(s);
            s->txtLuogo->setFocus();
            QTest::keyClick(s->txtLuogo, Qt::Key_Escape);
            closed = !s->isVisible();
        });
        QVERIFY(closed);
        QVERIFY(seams->messages.shown.isEmpty());
        const IniFile ini(TfrmPrivacy::settingsFile());
        QCOMPARE(ini.read(QStringLiteral("Modulo Privacy"), QStringLiteral("Denominazione Impresa")),
                 QStringLiteral("Pulizie Splendor S.r.l."));
    }

    // Values with ";", "#", "=" or quotes, and long ones, go to the settings
    // file as typed and come back whole at the next opening.
    void companyDataAreKeptWhole() {
        const QString holder =
            QStringLiteral("Verdi Paola; Neri Luca # \"titolari\" = ") + QString(600, QLatin1Char('v'));
        withScreen([&](TfrmPrivacy *s) {
            fillAll(s);
            s->setValue("txtPrivacy", holder);
            s->setValue("txtStudioDent", QStringLiteral("\"Splendor\""));
            QVERIFY(s->btnChiudiClick());
        });
        QVERIFY(seams->messages.shown.isEmpty());
        const QByteArray bytes = seams->folder.read(QStringLiteral("Liberatoria_Privacy.ini"));
        QVERIFY(bytes.startsWith("[Modulo Privacy]\r\n"));
        QVERIFY(bytes.contains("\r\nTitolare Privacy=" + holder.toLatin1() + "\r\n"));
        withScreen([&](TfrmPrivacy *s) {
            QCOMPARE(s->txtPrivacy->text(), holder);
            // One pair of enclosing quotes is read away, as Windows reads it.
            QCOMPARE(s->txtStudioDent->text(), QStringLiteral("Splendor"));
        });
    }

    void unwritableSettingsAreReported() {
        // As root every file is writable: a folder (not empty) in its place is what cannot be written.
        QVERIFY(QDir().mkpath(TfrmPrivacy::settingsFile() + QStringLiteral("/x")));
        withScreen([&](TfrmPrivacy *s) {
            fillAll(s);
            s->setValue("txtPrivacy", QString(600, QLatin1Char('v')));
            QVERIFY(!s->btnChiudiClick());
            QVERIFY(!s->isVisible());
        });
        QCOMPARE(seams->messages.shown.size(), 1);
        QCOMPARE(seams->messages.shown[0].kind, MessageKind::Error);
        QVERIFY(seams->messages.shown[0].text.contains(QStringLiteral("Liberatoria_Privacy.ini")));
    }

    // Data a Chiudi could not write come back at the next opening (the file
    // lacks them); once written, the file is what is read again.
    void unwrittenCompanyDataComeBackAtTheNextOpening() {
        const QString tooLong(600, QLatin1Char('v'));
        QVERIFY(QDir().mkpath(TfrmPrivacy::settingsFile() + QStringLiteral("/x")));
        withScreen([&](TfrmPrivacy *s) {
            fillAll(s);
            s->setValue("txtPrivacy", tooLong);
            QVERIFY(!s->btnChiudiClick());
        });
        withScreen([&](TfrmPrivacy *s) {
            QCOMPARE(s->txtPrivacy->text(), tooLong);
            QCOMPARE(s->txtStudioDent->text(), QStringLiteral("Pulizie Splendor S.r.l."));
            QCOMPARE(s->txtPaziente->text(), QString()); // only the company's data
            // Once the file can be written, Chiudi writes it.
            QVERIFY(QDir(TfrmPrivacy::settingsFile()).removeRecursively());
            s->setValue("txtPrivacy", QStringLiteral("Verdi Paola"));
            QVERIFY(s->btnChiudiClick());
        });
        IniFile ini(TfrmPrivacy::settingsFile());
        QVERIFY(ini.write(QStringLiteral("Modulo Privacy"), QStringLiteral("Denominazione Impresa"),
                          QStringLiteral("Altra S.r.l.")));
        withScreen([&](TfrmPrivacy *s) {
            QCOMPARE(s->txtStudioDent->text(), QStringLiteral("Altra S.r.l."));
            QCOMPARE(s->txtPrivacy->text(), QStringLiteral("Verdi Paola"));
        });
    }

    void keysAndEnterOrder() {
        withScreen([&](TfrmPrivacy *s) {
            s->txtIvaDent->setFocus();
            QTest::keyClicks(s->txtIvaDent, QStringLiteral("IT 012a3"));
            QCOMPARE(s->txtIvaDent->text(), QStringLiteral("0123"));
            QTest::keyClicks(s->txtCodFiscDent, QStringLiteral(" bnc "));
            QCOMPARE(s->txtCodFiscDent->text(), QStringLiteral("BNC"));
            for (QComboBox *c : {s->txtProvDent, s->txtProvNasc, s->txtProvRes})
                QCOMPARE(c->currentText(), QString()); // no province until one is typed or given
            s->txtProvRes->setFocus();
            QTest::keyClicks(s->txtProvRes->lineEdit(), QStringLiteral("rn"));
            QCOMPARE(s->txtProvRes->currentText(), QStringLiteral("RN"));
            QCOMPARE(s->txtProvRes->count(), 112);
            const QStringList order = {"txtStudioDent", "txtTelDent",    "txtIvaDent",       "txtCodFiscDent",
                                       "txtCittaDent",  "txtProvDent",   "txtIndirizzoDent", "txtCapDent",
                                       "txtPaziente",   "txtComuneNasc", "txtProvNasc",      "txtDataNasc",
                                       "txtCodFisc",    "txtComuneRes",  "txtProvRes",       "txtIndirizzo",
                                       "txtCapRes",     "txtRecapito",   "txtPrivacy",       "txtData",
                                       "txtLuogo"};
            s->activateWindow();
            for (int i = 0; i < order.size(); ++i) {
                QWidget *w = s->findChild<QWidget *>(order[i]);
                w->setFocus();
                QTest::keyClick(w, Qt::Key_Return);
                QCOMPARE(s->focusWidget()->objectName(), order[(i + 1) % order.size()]);
            }
        });
    }

    void filledFromTheClientCard() {
        TfrmClienti *card = Tersalia::createScreens().clienti;
        card->openModule();
        card->txtCliente->setText(QStringLiteral("  Rossi Mario "));
        card->txtComuneNasc->setText(QStringLiteral("Cesena"));
        card->txtProvNasc->setEditText(QStringLiteral("FC"));
        card->txtIndirizzoRes->setText(QStringLiteral("Via Mare 3"));
        card->txtRecapito->setText(QStringLiteral("0547"));
        card->txtNote->setText(QStringLiteral("non passa"));
        QMap<QString, QString> seen;
        whenModal([&](QWidget *w) {
            auto *s = qobject_cast<TfrmPrivacy *>(w);
            QVERIFY(s);
            seen = s->values();
            s->btnChiudi->click();
        });
        card->btnPrivacy->click();
        QCOMPARE(seen.value("txtPaziente"), QStringLiteral("Rossi Mario"));
        QCOMPARE(seen.value("txtComuneNasc"), QStringLiteral("Cesena"));
        QCOMPARE(seen.value("txtProvNasc"), QStringLiteral("FC"));
        QCOMPARE(seen.value("txtIndirizzo"), QStringLiteral("Via Mare 3"));
        QCOMPARE(seen.value("txtRecapito"), QStringLiteral("0547"));
        QCOMPARE(seen.value("txtData"), QStringLiteral("05/03/2024"));
        Tersalia::destroyScreens();
    }
};

QTEST_MAIN(TstPrivacy)
#include "tst_privacy.moc"
