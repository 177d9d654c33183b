#include "dislar.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMutex>
#include <QProcess>
#include <QUrl>

namespace dorvanto {

namespace {
QMutex kilit;
ProgramBaslatici baslatici;
AdresAcici acici;
KayitSorucu sorucu;

template <typename F>
F al(const F &f)
{
    QMutexLocker l(&kilit);
    return f;
}
} // namespace

bool ProgramBaslat(const QString &program, const QStringList &argumanlar, QString *hata)
{
    if (auto f = al(baslatici))
        return f(program, argumanlar);
    QProcess p;
    p.setProgram(program);
    p.setArguments(argumanlar);
    if (p.startDetached())
        return true;
    if (hata)
        *hata = p.errorString();
    return false;
}

bool AdresAc(const QString &adres)
{
    if (auto f = al(acici))
        return f(adres);
    return QDesktopServices::openUrl(QUrl::fromUserInput(adres));
}

QString KayitDosyasiSor(QWidget *sahip, const QString &baslik, const QString &onerilen, const QString &suzgec)
{
    if (auto f = al(sorucu))
        return f(baslik, onerilen, suzgec);
    return QFileDialog::getSaveFileName(sahip, baslik, onerilen, suzgec);
}

void SetProgramBaslatici(ProgramBaslatici f)
{
    QMutexLocker l(&kilit);
    baslatici = std::move(f);
}

void SetAdresAcici(AdresAcici f)
{
    QMutexLocker l(&kilit);
    acici = std::move(f);
}

void SetKayitSorucu(KayitSorucu f)
{
    QMutexLocker l(&kilit);
    sorucu = std::move(f);
}

} // namespace dorvanto
