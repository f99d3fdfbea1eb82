#pragma once
// A core seam that shows its own dialog.
#include <QMessageBox>
