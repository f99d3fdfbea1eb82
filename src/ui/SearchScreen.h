#pragma once
// The pattern of the four search screens: ten criteria, "Cerca", then the
// matching records as result lines with the quick find, the list report and
// the double-click that hands the chosen record to the screen that opened it.
#include "core/TextRules.h"
#include "core/RecordLayout.h"
#include "core/ResultLine.h"
#include "ui/HandBack.h"

#include <QDialog>
#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class ListPanel;

struct SearchCriterion {
    const char *control; // object name of the criterion's edit
    const char *label;
    const char *field; // record field it is matched against
};

struct SearchSpec {
    QString caption;
    const RecordLayout *layout;
    QList<SearchCriterion> criteria; // ten, in Enter order
    LineFormat line;
    bool sorted;         // else file order
    QString ending;      // after "Il presente riepilogo contiene " + count
    QString reportTitle; // title of the printed list
    QString bannerTitle; // the words on the criteria panel's picture
};

class SearchScreen : public QDialog {
    Q_OBJECT
public:
    SearchScreen(QWidget *parent, SearchSpec setup);

    // A record matches when every criterion with some non-blank text occurs,
    // exactly as typed and ignoring the case of a-z, in its field.
    static bool matches(const RecordLayout &layout, const char *record, const QList<int> &fields,
                        const QList<Text::NoCaseFinder> &criteria);

    QWidget *panAvvio;
    QWidget *panContainer;
    QList<QLineEdit *> criteria;
    QPushButton *btnCerca;
    QPushButton *btnAnnulla;
    QLabel *lblAttendere;
    QLabel *lblConta;  // hidden: criteria counted in the last search
    QLabel *lblMemory; // hidden: the caller text
    ListPanel *list;

    QLineEdit *criterion(const char *control) const;
    void btnCercaClick();
    // Where a chosen record goes: given by the screen that opens the search.
    void setHandBack(HandBack handBack) { m_handBack = std::move(handBack); }
    // Hands the record of a result line (by its record number) to the opener.
    void loadLine(int row);

protected:
    QString callerText() const;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    SearchSpec m_spec;
    QStackedWidget *m_stack;
    HandBack m_handBack;
};
