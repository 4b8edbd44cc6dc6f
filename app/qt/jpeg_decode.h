#pragma once
#include <QByteArray>
#include <QImage>

namespace q417 {

// Decodes a JPEG picture (the about panel's logo) with libjpeg. A damaged or truncated file
// gives a null image; it never ends the program.
QImage DecodeJpeg(const QByteArray& data);

}  // namespace q417
