#pragma once
// A list screen over one archive: the records a selection keeps, as result
// lines, with the quick find, the list report and the double-click that loads
// the chosen record back into its card.
#include "core/records/RecordLayout.h"
#include "core/records/ResultLine.h"
#include "ui/lists/ListDialog.h"

struct SummarySpec {
    QString caption;
    QString bannerTitle; // the words of the title picture
    const RecordLayout *layout;
    LineFormat line;
    LineOrder order;
    QString reportTitle;
    QString doubleClickHint;
};

class SummaryScreen : public ListDialog {
    Q_OBJECT
public:
    SummaryScreen(QWidget *parent, SummarySpec setup);
    // Re-reads the archive and lists the selected records (silently keeps
    // what was listed when the archive cannot be read).
    void buildList();

protected:
    // Whether the record belongs in the list; false skips it.
    virtual bool selects(const char *record) const = 0;
    void refresh() override { buildList(); }
    const SummarySpec &setup() const { return m_spec; }

private:
    SummarySpec m_spec;
};
