#include "employees/card/EmployeePrint.h"

#include "employees/photo/EmployeePhoto.h"
#include "reports/ReportEngine.h"

namespace EmployeePrint {

bool fill(ReportEngine &engine, const Record &employee, const QImage &photo) {
    if (!engine.load(QStringLiteral(":/reports/SchedaDipendente.json")))
        return false;
    engine.setOrientation(QPageLayout::Portrait);
    if (!engine.setPicture(QStringLiteral("imgLogo"), photo.isNull() ? EmployeePhoto::placeholder() : photo))
        return false;
    // Every field of the card up to the notes has a value memo named after its edit.
    const RecordLayout &layout = employee.layout();
    for (int i = 0, last = layout.indexOf("Note"); i <= last; ++i)
        if (!engine.setText(QStringLiteral("txt") + QLatin1String(layout.field(i).name), employee.get(i)))
            return false;
    return true;
}

QString smallerPhotoAdvice() {
    return QStringLiteral("\n\r\n\rSi consiglia di ridurre le dimensioni della foto.");
}

} // namespace EmployeePrint
