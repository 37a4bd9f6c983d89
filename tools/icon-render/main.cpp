// icon-render SOURCE.svg OUTPUT_FOLDER NAME SIZE...
// Writes OUTPUT_FOLDER/SIZExSIZE/apps/NAME.png for every size, the layout of the
// freedesktop icon theme folders, so the install copies the folder as it is.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <cstdio>

int main(int argc, char** argv)
{
    // Drawing needs no screen; the offscreen platform works on a build machine.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5) {
        std::fprintf(stderr, "usage: icon-render SOURCE.svg OUTPUT_FOLDER NAME SIZE...\n");
        return 2;
    }
    for (const QString& sizeText : args.mid(4)) {
        const int size = sizeText.toInt();
        QImageReader reader(args.at(1));
        reader.setScaledSize(QSize(size, size));
        const QImage image = reader.read();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args.at(2)).arg(size);
        const QString target = folder + QLatin1Char('/') + args.at(3) + QStringLiteral(".png");
        if (size <= 0 || image.isNull() || !QDir().mkpath(folder) || !image.save(target)) {
            std::fprintf(stderr, "icon-render: %s at %s: %s\n", qPrintable(args.at(1)), qPrintable(sizeText),
                         qPrintable(reader.errorString()));
            return 1;
        }
    }
    return 0;
}
