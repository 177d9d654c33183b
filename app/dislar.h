// What the program asks of the desktop: start another program, open an address in
// the user's browser, ask for a file name to save to. Each goes through a seam that
// tests replace, so that nothing is started or asked during a test run.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace dorvanto {

// Starts `program` with an argument list (never through a shell). Answers false and
// fills `hata` when it cannot be started.
bool ProgramBaslat(const QString &program, const QStringList &argumanlar, QString *hata = nullptr);

// Opens an address (http, https, file) with the desktop's handler.
bool AdresAc(const QString &adres);

// The save dialog: answers the chosen file name, empty when cancelled.
QString KayitDosyasiSor(QWidget *sahip, const QString &baslik, const QString &onerilen, const QString &suzgec);

// Test seams; an empty function restores the real behaviour.
using ProgramBaslatici = std::function<bool(const QString &program, const QStringList &argumanlar)>;
using AdresAcici = std::function<bool(const QString &adres)>;
using KayitSorucu = std::function<QString(const QString &baslik, const QString &onerilen, const QString &suzgec)>;
void SetProgramBaslatici(ProgramBaslatici f);
void SetAdresAcici(AdresAcici f);
void SetKayitSorucu(KayitSorucu f);

} // namespace dorvanto
