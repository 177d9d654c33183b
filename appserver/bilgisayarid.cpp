// dorvanto-bilgisayarid: prints the computer ID of this machine exactly as the
// client computes it, so that the demo can register the machine it runs on.
#include <makinekimligi.h>

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QString id = dorvanto::BilgisayarIdAl();
    if (id.isEmpty()) {
        std::fprintf(stderr, "dorvanto-bilgisayarid: bu makinenin bilgisayar kimliği okunamadı\n");
        return 1;
    }
    std::printf("%s\n", id.toUtf8().constData());
    return 0;
}
