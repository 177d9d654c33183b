// PDF documents made from the data: virtual-POS receipts and the customer reports.
#pragma once

#include "veritabani.h"

#include <QByteArray>
#include <QString>

namespace dorvanto::appserver {

// The receipt of virtual-POS number `sirano`; empty when there is none.
QByteArray SanalPosMakbuzu(Vt &vt, int sirano);

// Report 6 with a customer: the customer summary at `tarih1`; report 6 without a
// customer: the open receivables of the customers of `saticiadi` ("." = all);
// report 7: the purchase/sales table of the customer between the two dates.
// Throws VtHatasi for an unknown report number.
QByteArray RaporPdf(Vt &vt, int raporno, int carino, const QString &saticiadi, double tarih1, double tarih2);

} // namespace dorvanto::appserver
