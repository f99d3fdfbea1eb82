#include "reports/ReportOutput.h"

#include "reports/ReportEngine.h"

namespace ReportOutput {
namespace {

enum class Way { Paper, Screen };

Outcome send(QWidget *parent, const Fill &fill, Way way) {
    ReportEngine engine;
    Outcome o;
    o.made = fill(engine) && engine.prepare();
    if (!o.made) {
        o.why = engine.errorString();
        return o;
    }
    if (way == Way::Paper) {
        o.done = engine.print(parent);
    } else {
        engine.showPreview(parent);
        o.done = true;
    }
    return o;
}

} // namespace

Outcome print(QWidget *parent, const Fill &fill) { return send(parent, fill, Way::Paper); }
Outcome preview(QWidget *parent, const Fill &fill) { return send(parent, fill, Way::Screen); }

} // namespace ReportOutput
