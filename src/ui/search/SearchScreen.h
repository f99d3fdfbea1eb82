#pragma once
// The pattern of the four search screens: ten criteria, "Cerca", then the
// matching records as result lines with the quick find, the list report and
// the double-click that hands the chosen record to the screen that opened it.
#include "core/text/TextRules.h"
#include "core/records/RecordLayout.h"
#include "core/records/ResultLine.h"
#include "ui/lists/ListDialog.h"

#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;

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
    LineOrder order;
    QString ending;      // after "Il presente riepilogo contiene " + count
    QString reportTitle; // title of the printed list
    QString bannerTitle; // the words on the criteria panel's picture
};

class SearchScreen : public ListDialog {
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

    QLineEdit *criterion(const char *control) const;
    void btnCercaClick();

protected:
    QString callerText() const;
    QWidget *firstFocus() const override;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;

private:
    SearchSpec m_spec;
    QList<int> m_fields; // the criteria's record fields, checked when the screen is made
    QStackedWidget *m_stack;
};
