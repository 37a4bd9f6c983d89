// The yardstick of the start-up benchmark: a bare Qt Widgets window with ten
// tabs. Once its event loop runs it writes one byte to the device named on the
// command line, as the editor sends its version query at the end of start-up.

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QTabWidget window;
    for (int i = 1; i <= 10; ++i)
        window.addTab(new QLabel(QStringLiteral("Page %1").arg(i)), QStringLiteral("Tab %1").arg(i));
    window.resize(900, 600);
    window.show();
    QFile device(QFile::decodeName(argv[1]));
    QTimer::singleShot(0, [&device] {
        if (device.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            device.write("\x88", 1);
    });
    return app.exec();
}
