#pragma once
// The password store unins000.dll: an INI file whose [Accesso] Valore holds
// the scrambled upper-case password.
#include <QString>

namespace PasswordStore {

QString path();
// The stored password, unscrambled and trimmed (empty when the file or key is
// missing). False when the stored value is not hexadecimal.
bool read(QString *password);
// Scrambles and stores the password (already upper-cased and trimmed).
bool write(const QString &password);
// Upper-case (a-z only), then trim: the form in which passwords are compared.
QString normalise(const QString &typed);

} // namespace PasswordStore
