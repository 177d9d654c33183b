// The small icons of the grids: the availability status (DURUM 0..5) and the "yes"
// icons of the picture, new-part and campaign columns. Drawn with QPainter, so they
// look the same everywhere; the status legend of the main window uses DurumSimgesi too.
#pragma once

#include "gridcolumn.h"

#include <QPixmap>
#include <QString>

namespace dorvanto {

// The icon of an availability status, `size` pixels square (device-independent);
// a null pixmap for a value outside 0..5.
QPixmap DurumSimgesi(int durum, int size = 18);

// The description of an availability status: 0 "Yok", 1 "Var", 2 "Telefon Açınız",
// 3 "Yolda", 4 "Özel Sipariş", 5 "Tedarik Sürecinde"; empty outside 0..5.
QString DurumAciklamasi(int durum);

// The icon a YesNo column shows for 1.
QPixmap EvetSimgesi(YesNoIcon kind, int size = 18);

// The tooltip texts of a YesNo column: "Var"/"Yok" for pictures, "Evet"/"Hayır" else.
QString EvetHayirMetni(YesNoIcon kind, bool yes);

} // namespace dorvanto
