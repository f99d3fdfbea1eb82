// The company's invoice settings: the screen over Fatturazione.ini, and the
// seller the e-invoice is written for (the contract's company data with them).
#include "ReadOnly.h"
#include "TestEnv.h"
#include "core/records/Archives.h"
#include "core/records/RecordFile.h"
#include "core/settings/IniFile.h"
#include "invoices/issue/InvoiceNumbering.h"
#include "invoices/settings/ImpostazioniFatture.h"
#include "invoices/settings/InvoiceSettings.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>

class TstImpostazioniFatture : public QObject {
    Q_OBJECT
private slots:
    void init() { seams = std::make_unique<ScreenSeams>(); }
    void cleanup() { seams.reset(); }
    void firstOpeningProposesDefaults();
    void closingKeepsWhatWasTyped();
    void sellerIsTheContractsCompany();
    void nextProgressiveIsNeverOneUsed();
    void aFileThatCannotBeWrittenIsReported();

private:
    QString setting(const char *key) const {
        return IniFile(InvoiceSettings::path()).read(InvoiceSettings::section(), QLatin1String(key));
    }
    std::unique_ptr<ScreenSeams> seams;
};

void TstImpostazioniFatture::firstOpeningProposesDefaults() {
    TfrmImpostazioniFatture screen;
    screen.show();
    QCOMPARE(screen.cmbRegime->currentText(), QStringLiteral("RF01 - Ordinario"));
    QCOMPARE(screen.cmbPagamento->currentText(), QStringLiteral("MP05 - Bonifico"));
    QCOMPARE(screen.txtGiorni->text(), QStringLiteral("30"));
    QCOMPARE(screen.txtProgressivo->text(), QStringLiteral("1"));
    QCOMPARE(screen.cmbRegime->count(), 18);
    QVERIFY(screen.cmbRegime->findText(QStringLiteral("RF19"), Qt::MatchStartsWith) >= 0);
    for (const char *code : {"MP05", "MP01", "MP02", "MP08", "MP12", "MP19"})
        QVERIFY(screen.cmbPagamento->findText(QLatin1String(code), Qt::MatchStartsWith) >= 0);
}

void TstImpostazioniFatture::closingKeepsWhatWasTyped() {
    {
        TfrmImpostazioniFatture screen;
        screen.show();
        screen.cmbRegime->setCurrentIndex(
            screen.cmbRegime->findText(QStringLiteral("RF19"), Qt::MatchStartsWith));
        screen.txtIban->setText(QStringLiteral("IT60X0542811101000000123456"));
        screen.txtBanca->setText(QStringLiteral("Banca Popolare"));
        screen.txtGiorni->setText(QStringLiteral("60"));
        screen.cmbPagamento->setCurrentIndex(
            screen.cmbPagamento->findText(QStringLiteral("MP12"), Qt::MatchStartsWith));
        screen.txtProgressivo->setText(QStringLiteral("120"));
        QVERIFY(screen.cmdChiudiClick());
        QVERIFY(seams->messages.shown.isEmpty());
    }
    QCOMPARE(setting("Regime Fiscale"),
             QStringLiteral("RF19 - Regime forfettario (art. 1, c. 54-89, L. 190/2014)"));
    QCOMPARE(InvoiceSettings::seller().regime, QStringLiteral("RF19"));
    QCOMPARE(InvoiceSettings::seller().iban, QStringLiteral("IT60X0542811101000000123456"));
    QCOMPARE(InvoiceSettings::payment(), QStringLiteral("MP12"));
    QCOMPARE(InvoiceSettings::paymentDays(), 60);
    QCOMPARE(InvoiceSettings::nextProgressive(), qint64(120));
    TfrmImpostazioniFatture again;
    again.show();
    QCOMPARE(again.txtGiorni->text(), QStringLiteral("60"));
    QVERIFY(again.cmbRegime->currentText().startsWith(QStringLiteral("RF19")));
}

void TstImpostazioniFatture::sellerIsTheContractsCompany() {
    IniFile company(seams->folder.file(QStringLiteral("Contratti.ini")));
    QVERIFY(company.write(QStringLiteral("Ditta Pulizie"), QStringLiteral("Denominazione"),
                          QStringLiteral("Splendor")));
    QVERIFY(company.write(QStringLiteral("Ditta Pulizie"), QStringLiteral("Partita Iva"),
                          QStringLiteral("01234567897")));
    QVERIFY(company.write(QStringLiteral("Ditta Pulizie"), QStringLiteral("Sede Legale"),
                          QStringLiteral("Milano")));
    QVERIFY(company.write(QStringLiteral("Ditta Pulizie"), QStringLiteral("CAP"), QStringLiteral("20121")));
    const Seller seller = InvoiceSettings::seller();
    QCOMPARE(seller.name, QStringLiteral("Splendor"));
    QCOMPARE(seller.vatNumber, QStringLiteral("01234567897"));
    QCOMPARE(seller.town, QStringLiteral("Milano"));
    QCOMPARE(seller.postcode, QStringLiteral("20121"));
    QCOMPARE(seller.regime, QStringLiteral("RF01")); // nothing chosen yet
    TfrmImpostazioniFatture screen;
    screen.show();
    QVERIFY(screen.lblDitta->text().contains(QStringLiteral("Splendor, partita IVA 01234567897")));
}

void TstImpostazioniFatture::nextProgressiveIsNeverOneUsed() {
    // Progressives up to 41 have been given at issuing.
    RecordFile numbers(InvoiceNumbering::path(), Archives::invoiceNumbers().size());
    QVERIFY(numbers.open());
    Record given(Archives::invoiceNumbers());
    given.set("Fattura", QStringLiteral("1"));
    given.set("Anno", QStringLiteral("2026"));
    given.set("Numero", QStringLiteral("1"));
    given.set("Progressivo", QStringLiteral("00041"));
    QVERIFY(numbers.append(given.bytes()));
    numbers.close();
    QVERIFY(IniFile(InvoiceSettings::path())
                .write(InvoiceSettings::section(), QStringLiteral("Progressivo"), QStringLiteral("7")));
    TfrmImpostazioniFatture screen;
    screen.show();
    QCOMPARE(screen.txtProgressivo->text(), QStringLiteral("42"));
    screen.hide();
    QVERIFY(IniFile(InvoiceSettings::path())
                .write(InvoiceSettings::section(), QStringLiteral("Progressivo"), QStringLiteral("100")));
    screen.show();
    QCOMPARE(screen.txtProgressivo->text(), QStringLiteral("100")); // a later one asked for stays
}

void TstImpostazioniFatture::aFileThatCannotBeWrittenIsReported() {
    TfrmImpostazioniFatture screen;
    screen.show();
    screen.txtBanca->setText(QStringLiteral("Banca Etica"));
    {
        ReadOnlyFolder readOnly(seams->folder.path());
        if (!readOnly.holds())
            QSKIP("this machine cannot make a folder read-only");
        QVERIFY(!screen.cmdChiudiClick());
    }
    QCOMPARE(seams->messages.shown.size(), 1);
    QCOMPARE(seams->messages.shown.first().kind, MessageKind::Error);
    QCOMPARE(seams->messages.lastText(), TfrmImpostazioniFatture::notSavedText());
    // What was typed comes back at the next opening of this session.
    TfrmImpostazioniFatture again;
    again.show();
    QCOMPARE(again.txtBanca->text(), QStringLiteral("Banca Etica"));
}

QTEST_MAIN(TstImpostazioniFatture)
#include "tst_impostazionifatture.moc"
