#pragma once
#include <QImage>
#include <QString>

namespace q417 {

// The machine's sprite sheets and fixed pictures, embedded in the program. Sheets are found
// by name whatever its case ("dsk_lit" finds DSK_LIT), the numbered card sprites by number.
// Every picture is decoded once and kept for the whole run; the PNG sheets are decoded when
// the program is built, so that start-up only points at their pixels.
class Sprites {
public:
    // The sheet of that name; a null image when there is none.
    static const QImage& Get(const QString& name);
    // The numbered sprite (the card editor's sprites 9 to 15).
    static const QImage& Numbered(int number);
    // The sheet decoded from its embedded PNG file, as Get gives it when the program was
    // built without the decoded sheets; a null image when there is none.
    static QImage Decoded(const QString& name);
    // Whether a sheet of that name is embedded.
    static bool Has(const QString& name);
    // The raw bytes of an embedded file (sounds, the logo), found like the sheets; empty if none.
    static QByteArray Bytes(const QString& fileName);
};

}  // namespace q417
