// The JSON form of a table result (protocol.md, "Tables"), both ways:
//
//   {"columns": [{"name": "STOKNO", "type": "int"},
//                {"name": "BARKOD", "type": "string", "size": 50}, ...],
//    "rows": [[1042, "AB-1200", ...], ...]}
//
// The reader is strict: anything that is not exactly this shape (not JSON, a
// missing member, an unknown column type, a row of the wrong length, a value of
// the wrong kind for its column, base64 that does not decode) raises ServerError
// with a Turkish message naming the row and the column. It never guesses.
#pragma once

#include "baglanti.h"
#include "tablodata.h"

#include <QByteArray>

#include <string_view>

namespace dorvanto {

// The protocol text of a table. Doubles are written in their shortest exact form;
// a NaN or infinity (which the wire has no form for) is written as null.
QByteArray TabloJsonYaz(const TableData &tablo);

// Appends the protocol text of a table to `cikti` (for writers that embed the
// table in a larger answer such as {"result":[...]}).
void TabloJsonEkle(QByteArray &cikti, const TableData &tablo);

// Decodes the protocol text of one table. Throws ServerError on any bad shape.
TableData TabloJsonOku(std::string_view metin);

} // namespace dorvanto
