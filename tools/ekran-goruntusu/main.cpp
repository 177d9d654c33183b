// ekran-goruntusu FILE.png
// Saves a picture of the whole screen of the display as PNG. The demo uses it to
// show what the client draws on a virtual display.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "kullanım: ekran-goruntusu DOSYA.png\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    QScreen *ekran = QGuiApplication::primaryScreen();
    if (!ekran) {
        std::fprintf(stderr, "ekran-goruntusu: ekran yok\n");
        return 1;
    }
    const QPixmap resim = ekran->grabWindow(0);
    if (resim.isNull() || !resim.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "ekran-goruntusu: %s yazılamadı\n", argv[1]);
        return 1;
    }
    return 0;
}
