#pragma once
#include <QString>

namespace q417 {

// The machine's messages (refusals of the session, file and settings errors) are English
// sentences made by the plain C++ model, which knows no translation. The window shows them in
// its own language through this one table: a message that is a text of the table, or that a
// text with %1, %2, ... in it matches (the parts standing for %n translated in turn, as a
// reason inside a file error is), comes back translated; any other comes back as it is.
QString ModelText(const QString& english);

}  // namespace q417
