// Helpers of the GUI tests: answer a modal window that the code under test opens
// (its exec() loop runs while the test waits), and record the program's exits and
// started programs instead of doing them.
#pragma once

#include "cikis.h"
#include "dislar.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace dorvanto::test {

// When a visible top-level window of type T appears, runs `islem` on it once.
template <typename T>
void ModalIsle(std::function<void(T *)> islem)
{
    auto *zaman = new QTimer(qApp);
    zaman->setInterval(20);
    QObject::connect(zaman, &QTimer::timeout, qApp, [zaman, islem] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *t = qobject_cast<T *>(w); t && t->isVisible()) {
                zaman->stop();
                zaman->deleteLater();
                islem(t);
                return;
            }
    });
    zaman->start();
}

// Exits and started programs, recorded.
struct Kayitci {
    int cikis = 0;
    QList<QPair<QString, QStringList>> baslatilan;
    QStringList acilanAdresler;
    void Kur()
    {
        SetCikisKancasi([this] { ++cikis; });
        SetProgramBaslatici([this](const QString &p, const QStringList &a) {
            baslatilan << qMakePair(p, a);
            return true;
        });
        SetAdresAcici([this](const QString &a) {
            acilanAdresler << a;
            return true;
        });
    }
    void Sifirla()
    {
        cikis = 0;
        baslatilan.clear();
        acilanAdresler.clear();
    }
};

} // namespace dorvanto::test
