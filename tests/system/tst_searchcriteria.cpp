// Each criterion of the four search screens is matched against its own field,
// and only that one: one row per criterion of every screen. A criterion made
// of blanks only takes no part in the search.
#include "TestEnv.h"
#include "appointments/summaries/TrovaScadenze.h"
#include "clients/TrovaClienti.h"
#include "contracts/card/TrovaContratti.h"
#include "core/records/Archives.h"
#include "employees/card/TrovaDipendenti.h"
#include "ui/lists/ListPanel.h"
#include "ui/lists/RecordListModel.h"
#include "ui/lists/RecordListView.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

namespace {

enum class Screen { Clients, Employees, Contracts, Appointments };

const RecordLayout &layoutOf(Screen s) {
    switch (s) {
    case Screen::Clients:
        return Archives::clients();
    case Screen::Employees:
        return Archives::employees();
    case Screen::Contracts:
        return Archives::contracts();
    case Screen::Appointments:
        return Archives::appointments();
    }
    return Archives::clients();
}

std::unique_ptr<SearchScreen> open(Screen s) {
    switch (s) {
    case Screen::Clients:
        return std::make_unique<TfrmTrovaClienti>();
    case Screen::Employees:
        return std::make_unique<TfrmTrovaDipendenti>();
    case Screen::Contracts:
        return std::make_unique<TfrmTrovaContratti>();
    case Screen::Appointments:
        return std::make_unique<TfrmTrovaScadenze>();
    }
    return nullptr;
}

// The criteria as the user sees them: control, then the record field it searches.
struct Criterion {
    const char *control, *field;
};
const QList<QPair<Screen, QList<Criterion>>> kScreens = {
    {Screen::Clients,
     {{"txtCliente", "Cliente"},
      {"txtComuneRes", "ComuneRes"},
      {"txtPartitaIva", "PartitaIva"},
      {"txtCodFisc", "CodFisc"},
      {"txtDocumento", "Documento"},
      {"txtOccupazione", "Occupazione"},
      {"txtProdotti", "Prodotti"},
      {"txtZona", "Zona"},
      {"txtQuestioni", "Questioni"},
      {"txtNote", "Note"}}},
    {Screen::Employees,
     {{"txtDipendente", "Dipendente"},
      {"txtDataNasc", "DataNasc"},
      {"txtCittadinanza", "Cittadinanza"},
      {"txtLuogoNasc", "LuogoNasc"},
      {"txtCodFisc", "CodFisc"},
      {"txtDisponibilita", "Disponibilita"},
      {"txtQualifica", "Qualifica"},
      {"txtReparto", "Reparto"},
      {"txtMansioni", "Mansioni"},
      {"txtNote", "Note"}}},
    {Screen::Contracts,
     {{"txtCliente", "txtCliente"},
      {"txtComuneCli", "txtComuneCli"},
      {"txtPartitaIvaCli", "txtPartitaIvaCli"},
      {"txtCodFiscCli", "txtCodFiscCli"},
      {"txtData", "txtData"},
      {"txtMarca", "txtMarca"},
      {"txtMatricola", "txtMatricola"},
      {"txtTipoImpianto", "txtTipoImpianto"},
      {"txtOpInc01", "txtOpInc01"},
      {"txtOpInc02", "txtOpInc02"}}},
    {Screen::Appointments,
     {{"txtData", "Data"},
      {"txtOra", "Ora"},
      {"txtTipologia", "Tipologia"},
      {"txtCausale", "Causale"},
      {"txtDettagli", "Dettagli"},
      {"txtContatto", "Contatto"},
      {"txtTel", "Tel"},
      {"txtCel", "Cel"},
      {"txtLuogo", "Luogo"},
      {"txtNote", "Note"}}},
};

const QString kWord = QStringLiteral("zqx");

// The word inside the field, with other text around it where the field has room.
QString around(const FieldDef &f) { return f.width >= 9 ? QStringLiteral("Ab zqx cd") : kWord; }

} // namespace

Q_DECLARE_METATYPE(Screen)

class TstSearchCriteria : public QObject {
    Q_OBJECT
    ScreenSeams *seams = nullptr;

    // Types the criteria, runs Cerca, gives the record numbers listed in file order.
    QList<qint64> search(Screen s, const QList<QPair<const char *, QString>> &typed,
                         QString *counted = nullptr) {
        auto screen = open(s);
        screen->show();
        for (const auto &[control, text] : typed) {
            QLineEdit *edit = screen->criterion(control);
            if (!edit)
                return {-1};
            edit->setText(text);
        }
        screen->btnCerca->click();
        if (counted)
            *counted = screen->lblConta->text();
        QList<qint64> numbers;
        RecordListModel *model = screen->list->lstRecords->listModel();
        for (int row = 0; row < model->count(); ++row)
            numbers << model->recordNumber(row);
        std::sort(numbers.begin(), numbers.end());
        return numbers;
    }
    void writeArchive(Screen s, const QList<Record> &records) {
        QByteArray all;
        for (const Record &r : records)
            all += r.bytes();
        seams->folder.write(layoutOf(s).fileName(), all);
    }

private slots:
    void init() { seams = new ScreenSeams; }
    void cleanup() { delete seams; }

    // Record 1 holds the word in the criterion's field only; record 2 in every
    // other field of the record. Only record 1 may be listed.
    void eachCriterionSearchesItsOwnField_data() {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<QByteArray>("control");
        QTest::addColumn<QByteArray>("field");
        const char *names[] = {"client", "employee", "contract", "appointment"};
        for (const auto &[screen, criteria] : kScreens)
            for (const Criterion &c : criteria)
                QTest::addRow("%s search, %s", names[int(screen)], c.control)
                    << screen << QByteArray(c.control) << QByteArray(c.field);
    }
    void eachCriterionSearchesItsOwnField() {
        QFETCH(Screen, screen);
        QFETCH(QByteArray, control);
        QFETCH(QByteArray, field);
        const RecordLayout &layout = layoutOf(screen);
        const int own = layout.indexOf(field.constData());
        QVERIFY(own >= 0);
        Record only(layout), others(layout), none(layout);
        only.set(own, around(layout.field(own)));
        for (int i = 0; i < layout.fieldCount(); ++i)
            if (i != own)
                others.set(i, around(layout.field(i)));
        writeArchive(screen, {only, others, none});
        // Typed in another case: the letters a to z match either way.
        QCOMPARE(search(screen, {{control.constData(), QStringLiteral("ZqX")}}), QList<qint64>{1});
    }

    // A criterion of blanks only is not counted and matches nothing: beside a
    // real criterion it cannot stand in for it when that one fails.
    void blanksOnlyTakeNoPart_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QList<qint64>>("listed");
        QTest::addColumn<QString>("counted");
        QTest::newRow("beside a name that occurs") << "rossi"
                                                   << "   " << QList<qint64>{1} << "1";
        QTest::newRow("beside a name that occurs nowhere") << "Bianchi"
                                                           << " " << QList<qint64>{} << "1";
        QTest::newRow("alone: the whole archive") << ""
                                                  << "  " << QList<qint64>{1, 2, 3} << "0";
        QTest::newRow("a blank inside a real criterion counts") << ""
                                                                << "a n" << QList<qint64>{2} << "1";
    }
    void blanksOnlyTakeNoPart() {
        QFETCH(QString, name);
        QFETCH(QString, zone);
        QFETCH(QList<qint64>, listed);
        QFETCH(QString, counted);
        const RecordLayout &layout = Archives::clients();
        auto client = [&](const QString &cliente, const QString &zona) {
            Record r(layout);
            r.set("Cliente", cliente);
            r.set("Zona", zona);
            return r;
        };
        // Record 2's zone and record 3's name hold blanks; record 1's zone none.
        writeArchive(Screen::Clients,
                     {client("Rossi", "Nord"), client("Verdi", "Zona nord"), client("Neri Anna", "Sud")});
        QString count;
        QCOMPARE(search(Screen::Clients, {{"txtCliente", name}, {"txtZona", zone}}, &count), listed);
        QCOMPARE(count, counted);
    }
};

QTEST_MAIN(TstSearchCriteria)
#include "tst_searchcriteria.moc"
