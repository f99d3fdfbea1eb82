#pragma once
// The export grid screens: a dialog whose grid `grdRecords` shows the records
// of an archive that an export will write, and the export itself (the
// spreadsheet of core/files/Workbook, two questions, the file offered for opening).
// Each screen is a table of columns, a selection, an order and its names.
#include "core/records/RecordLayout.h"
#include "core/text/HelpText.h"
#include "core/records/ResultLine.h"

#include <QDialog>
#include <functional>
#include <optional>

class GridModel;
class HintTracker;
class QLabel;
class QTableView;
class QToolButton;

struct GridColumn {
    QString header;                                        // in the grid and, unless exportHeader, the file
    int gridWidth = 120;                                   // on screen
    int exportWidth = 120;                                 // written in the spreadsheet's header cell
    const char *field = nullptr;                           // the record field shown, trimmed...
    std::optional<LineFormat> made = {};                   // ...or a text made from its fields
    QString exportHeader = {};                             // when the file names the column otherwise
    bool editable = false; // the user may change the cells; the export writes what the grid shows
};

// A town and its province code joined by one blank, as a made column shows them.
LineFormat townAndProvince(const RecordLayout &layout, const char *town, const char *province);

struct ExportGridSpec {
    QString caption;
    const RecordLayout *layout = nullptr;
    QList<GridColumn> columns; // after "N."
    // The records shown, in file order; none: every record. "N." numbers the
    // shown rows in file order (for a whole archive, the record number).
    std::function<bool(const char *record)> selects = {};
    int sortColumn = -1; // index in columns the rows are sorted by; -1: file order
    QString fileName;    // the export file, in the program folder
    QString sheetName;
    HelpText help;
    int numberWidth = 60;
};

class ExportGrid : public QDialog {
    Q_OBJECT
public:
    ExportGrid(QWidget *parent, ExportGridSpec setup);

    static QString askText();
    static QString doneText();
    static QString failureText();

    const ExportGridSpec &setup() const { return m_spec; }
    GridModel *model() const { return m_model; }
    QString exportPath() const;
    // Reads the archive into the grid (done each time the screen is shown).
    // A file that cannot be read stops the filling silently, keeping the rows read.
    void fill();

    QTableView *grdRecords;
    QToolButton *cmdEsporta, *cmdGuida, *cmdEsci;
    QLabel *panInfo;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void cmdEsportaClick();
    void cmdGuidaClick();

    ExportGridSpec m_spec;
    QList<int> m_fields; // record field index per column, -1 for made values
    GridModel *m_model;
    HintTracker *m_hints;
};
