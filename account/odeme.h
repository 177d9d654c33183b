// The tab "Sanal Pos": opens the distributor's card-payment page in the browser with
// the customer's number, name and current balance in the address. The tab itself
// stays empty.
#pragma once

#include "baglanti.h"
#include "transfernesneleri.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace dorvanto {

// The balance text (CariDurumVer) on a clone of `bagc`, without a connection message:
// empty when the connection cannot be opened or the call fails.
QString CariDurumuVer(const ServerConnection &bagc, int carino);

// Where the browser program is looked for (ChromeYolu); tests replace it.
void SetTarayiciBulucu(std::function<QString()> bulucu);

class TOdemeSekmesi : public QObject {
    Q_OBJECT
public:
    TOdemeSekmesi(ServerConnection &bagc, TSonucBilgisi &sbilgi, QWidget *sahip);

    // The tab became active. Answers whether the browser was started.
    bool ssShow();

    // Makes the stock-list tab active (after a balance that could not be obtained).
    std::function<void()> stokListesineDon;

private:
    ServerConnection &m_bagc;
    TSonucBilgisi &m_sbilgi;
    QWidget *m_sahip;
};

} // namespace dorvanto
