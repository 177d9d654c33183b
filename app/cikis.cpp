#include "cikis.h"

#include <QMutex>

#include <cstdio>
#include <unistd.h>

namespace dorvanto {

namespace {
QMutex kilit;
std::function<void()> &kanca()
{
    static std::function<void()> k;
    return k;
}
} // namespace

void ProgramiBitir()
{
    std::function<void()> k;
    {
        QMutexLocker l(&kilit);
        k = kanca();
    }
    if (k) {
        k();
        return;
    }
    std::fflush(stdout);
    std::fflush(stderr);
    ::_exit(0);
}

void SetCikisKancasi(std::function<void()> yeni)
{
    QMutexLocker l(&kilit);
    kanca() = std::move(yeni);
}

} // namespace dorvanto
