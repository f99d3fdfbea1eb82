// The e-mail buttons of the three cards hand the mail program one address:
// a stored address carrying "?", "&" or "#" cannot add headers, attachments
// or recipients to the message.
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
};

QTEST_MAIN(TstMailLink)
#include "tst_maillink.moc"
