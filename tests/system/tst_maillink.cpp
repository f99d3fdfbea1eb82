// The e-mail buttons of the three cards hand the mail program one address:
// a stored address carrying "?", "&" or "#" cannot add headers, attachments
// or recipients to the message. The WhatsApp link reaches the number with its
// country code, whatever way it was typed, and the card keeps it as typed.
#include "StartedScreens.h"
#include "TestEnv.h"
#include "appointments/card/Archivio_Scadenze.h"
#include "clients/Clienti.h"
#include "core/platform/OpenURL.h"
#include "employees/card/Dipendenti.h"
#include "shell/Application.h"

#include <QLineEdit>
#include <QTest>
#include <memory>
#include <QToolButton>
#include <QUrlQuery>

class TstMailLink : public QObject {
    Q_OBJECT
    std::unique_ptr<StartedScreens> started;

    struct Card {
        QLineEdit *email;
        QToolButton *button;
    };
    Card card(const QString &which) {
        const Tersalia::Screens s = Tersalia::screens();
        if (which == QStringLiteral("client"))
            return {s.clienti->txtEmail, s.clienti->btnEmail};
        if (which == QStringLiteral("employee"))
            return {s.dipendenti->txtEmail, s.dipendenti->btnEmail};
        return {s.scadenze->txtEmail, s.scadenze->btnEmail};
    }

private slots:
    void init() { started = std::make_unique<StartedScreens>(); }
    void cleanup() { started.reset(); }

    void theAddressIsOneAddress_data() {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("command");
        for (const char *which : {"client", "employee", "appointment"}) {
            QTest::addRow("%s, plain address", which) << which << "mario.rossi@example.it"
                                                      << "\"mailto:mario.rossi@example.it\"";
            QTest::addRow("%s, address with a tag", which) << which << "anna+ufficio@example.it"
                                                           << "\"mailto:anna+ufficio@example.it\"";
            QTest::addRow("%s, attachment and subject", which)
                << which << "a@b.it?attach=/etc/passwd&subject=Fattura"
                << "\"mailto:a@b.it%3Fattach%3D%2Fetc%2Fpasswd%26subject%3DFattura\"";
            QTest::addRow("%s, second recipient and fragment", which) << which << "a@b.it,c@d.it#x"
                                                                      << "\"mailto:a@b.it%2Cc@d.it%23x\"";
            QTest::addRow("%s, percent sign", which) << which << "a%0Ab@c.it"
                                                     << "\"mailto:a%250Ab@c.it\"";
        }
    }
    void theAddressIsOneAddress() {
        QFETCH(QString, which);
        QFETCH(QString, address);
        QFETCH(QString, command);
        const Card c = card(which);
        c.email->setText(address);
        c.button->click();
        QCOMPARE(started->seams.shell.commands, QStringList{command});
        const QUrl url = TMisc::urlFor(started->seams.shell.commands.first());
        QCOMPARE(url.scheme(), QStringLiteral("mailto"));
        QVERIFY(!url.hasQuery());
        QVERIFY(!url.hasFragment());
        // The address as stored reaches the mail program whole.
        QCOMPARE(url.path(QUrl::FullyDecoded), address);
    }

    void whatsAppReachesTheNumberWithItsCountryCode_data() {
        QTest::addColumn<QString>("mobile");
        QTest::addColumn<QString>("phone");
        QTest::newRow("Italian mobile, ten digits") << "3380335156"
                                                    << "393380335156";
        QTest::newRow("Italian mobile, nine digits") << "338033515"
                                                     << "39338033515";
        QTest::newRow("Italian mobile starting with 39") << "3931234567"
                                                         << "393931234567";
        QTest::newRow("with 39 already") << "393380335156"
                                         << "393380335156";
        QTest::newRow("with +39 and blanks") << "+39 338 033 5156"
                                             << "393380335156";
        QTest::newRow("with 0039") << "00393380335156"
                                   << "393380335156";
        QTest::newRow("Swiss, with +") << "+41 79 123 45 67"
                                       << "41791234567";
        QTest::newRow("Swiss, with 0041") << "0041791234567"
                                          << "41791234567";
        QTest::newRow("German mobile with 49") << "4915112345678"
                                               << "4915112345678";
        QTest::newRow("Italian landline") << "0547123456"
                                          << "0547123456";
        QTest::newRow("eleven digits starting with 3") << "33803351561"
                                                       << "33803351561";
    }
    void whatsAppReachesTheNumberWithItsCountryCode() {
        QFETCH(QString, mobile);
        QFETCH(QString, phone);
        const Tersalia::Screens s = Tersalia::screens();
        s.scadenze->txtData->setText(QStringLiteral("05/03/2024"));
        s.scadenze->txtCel->setText(mobile);
        s.scadenze->btnWhatsApp->click();
        QCOMPARE(started->seams.shell.commands.size(), 1);
        const QUrlQuery query(TMisc::urlFor(started->seams.shell.commands.first()));
        QCOMPARE(query.queryItemValue(QStringLiteral("phone"), QUrl::FullyDecoded), phone);
        QCOMPARE(s.scadenze->txtCel->text(), mobile); // the card keeps the number as typed
    }
};

QTEST_MAIN(TstMailLink)
#include "tst_maillink.moc"
