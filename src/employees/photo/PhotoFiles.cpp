#include "employees/photo/PhotoFiles.h"

#include "core/files/WholeFileWriter.h"
#include "ui/platform/FileDialogs.h"
#include "ui/platform/Messages.h"
#include "employees/photo/EmployeePhoto.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

namespace PhotoFiles {

bool open(QWidget *parent, QImage &picture) {
    const QString name = FileDialogs::openFile(
        parent, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."), QString(),
        QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
    if (name.isEmpty())
        return false;
    const QImage chosen = EmployeePhoto::fromFile(name);
    if (chosen.isNull()) {
        Messages::warning(parent, unreadableText(name));
        return false;
    }
    picture = chosen;
    return true;
}

QString unreadableText(const QString &fileName) {
    return QStringLiteral("Attenzione: non è stato possibile leggere l'immagine del file ") +
           QDir::toNativeSeparators(fileName) +
           QStringLiteral(".\n\r\n\rIl file non è un'immagine in formato Jpeg o Bitmap, oppure è danneggiato "
                          "o incompleto. La foto della scheda non è stata cambiata.");
}

bool saveAs(QWidget *parent, const QImage &picture) {
    const QString name = FileDialogs::saveFile(
        parent, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."),
        QStringLiteral("Foto.jpg"), QStringLiteral("File Jpeg (*.jpg)"));
    if (name.isEmpty())
        return false;
    WholeFileWriter file(name);
    bool written = file.open();
    if (written) {
        // The extension chooses the format; JPEG when it names none.
        QByteArray format = QFileInfo(name).suffix().toLower().toLatin1();
        if (!QImageWriter::supportedImageFormats().contains(format))
            format = "jpg";
        QImageWriter writer(&file.device(), format);
        written = writer.write(picture) && file.commit();
    }
    if (!written)
        Messages::warning(parent,
                          QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file ") +
                              QDir::toNativeSeparators(name) +
                              QStringLiteral(".\n\r\n\rAccertarsi di possedere i privilegi di scrittura "
                                             "nella cartella scelta."));
    return written;
}

} // namespace PhotoFiles
