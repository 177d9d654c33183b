// The program's message dialog MesajGoster, through which every screen shows its
// messages, and the platform's standard boxes (the login's empty-field warnings and
// the default error display) which keep the platform's own caption and buttons.
//
// MesajGoster may be called from any thread: a worker hands the dialog to the GUI
// thread and waits until it is closed.
//
// Test seam (MesajSinama): while it is on, no dialog is shown; every message is
// recorded with what the dialog would have shown, and answered from a queue of next
// answers (or, when the queue is empty, with the default button).
#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace dorvanto {

// Kinds of message.
enum MesajTuru : int { mtUyari = 0, mtHata = 1, mtBilgi = 2, mtSoru = 3 };

// Modal results.
enum ModalSonuc : int {
    mrYok = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7, mrHelp = 9
};

// Default-button indices.
enum VarsayilanDugme : int {
    vdEvet = 0, vdHayir = 1, vdTamam = 2, vdVazgec = 3, vdIptal = 4, vdTekrar = 5, vdAtla = 6, vdYardim = 10
};

// The two button sets the program uses.
inline constexpr QMessageBox::StandardButtons EvetHayir = QMessageBox::Yes | QMessageBox::No;
inline constexpr QMessageBox::StandardButtons YalnizTamam = QMessageBox::Ok;

// Font size of every MesajGoster dialog (15 points, set by the main window).
void SetMesajFontPuntosu(int punto);
int MesajFontPuntosu();

// Shows the message modally, centred on `sahip` (or on the active window), and
// answers its modal result (mrOk, mrYes, mrNo, ...).
int MesajGoster(const QString &metin, int tur, QMessageBox::StandardButtons dugmeler, int varsayilan,
                QWidget *sahip = nullptr);

// The dialog MesajGoster shows, built but not shown (for tests of its look).
std::unique_ptr<QMessageBox> MesajKutusuOlustur(const QString &metin, int tur,
                                                QMessageBox::StandardButtons dugmeler, int varsayilan,
                                                QWidget *sahip = nullptr);

// The platform's standard message box: the application's name as caption, one OK
// button with the platform's own text. Any thread.
void StandartMesaj(const QString &metin, QMessageBox::Icon simge, QWidget *sahip = nullptr);

// The GUI's default error display (an error nobody caught). Any thread.
void VarsayilanHataGoster(const QString &metin);

// The system sound of a kind: "exclamation", "hand", "asterisk", "question"; the
// error beep is "beep".
QString SesAdi(int tur);
void SistemSesiCal(const QString &ses);

// What a dialog showed (recorded while the seam is on).
struct GosterilenMesaj {
    QString metin;
    QString baslik;
    int tur = -1;             // MesajTuru; -1 for a standard box
    bool standart = false;    // the platform's standard box, not MesajGoster
    QStringList dugmeler;     // button texts in tab order
    QString varsayilan;       // text of the button that has the focus
    int punto = 0;
    QString ses;              // the sound played with it
    int sonuc = 0;            // the answer given
};

namespace MesajSinama {
void Ac();                         // record instead of showing; clears everything
void Kapat();                      // show real dialogs again
bool Acik();
void SonrakiCevap(int sonuc);      // queued answers, first in first out
QList<GosterilenMesaj> Kayitlar(); // oldest first
QStringList Sesler();              // sounds played (also outside dialogs)
void Temizle();
} // namespace MesajSinama

} // namespace dorvanto

namespace dorvanto {
// Installs the connection check's message hook: MesajGoster, kind error, OK, on the
// GUI thread; a worker waits until it is closed.
void BaglantiMesajKancasiniKur();
} // namespace dorvanto
