#pragma once
// A list screen over one archive: the records a selection keeps, as result
// lines, with the quick find, the list report and the double-click that loads
// the chosen record back into its card.
#include "core/RecordLayout.h"
#include "core/ResultLine.h"
#include "ui/HandBack.h"

#include <QDialog>

class ListPanel;

struct SummarySpec {
    QString caption;
    QString pictureTitle; // the words of the title picture
    const RecordLayout *layout;
    LineFormat line;
    bool sorted;
    QString reportTitle;
    QString doubleClickHint;
};

class SummaryScreen : public QDialog {
    Q_OBJECT
public:
    SummaryScreen(QWidget *parent, SummarySpec setup);
    ListPanel *list;
    // Re-reads the archive and lists the selected records (silently keeps
    // what was listed when the archive cannot be read).
    void buildList();
    // Where a chosen record goes: given by the screen that opens the list.
    void setHandBack(HandBack handBack) { m_handBack = std::move(handBack); }
    void loadLine(int row);

protected:
    // Whether the record belongs in the list; false skips it.
    virtual bool selects(const char *record) const = 0;
    void showEvent(QShowEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    const SummarySpec &setup() const { return m_spec; }

private:
    SummarySpec m_spec;
    HandBack m_handBack;
};
