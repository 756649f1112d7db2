// Renders the program's SVG icon to the PNG sizes the hicolor theme installs, with the same renderer
// that draws the window icon, so the installed pictures never drift from the drawing.
// Usage: render-icon ICON.svg OUTPUT-FOLDER SIZE...  writes OUTPUT-FOLDER/SIZExSIZE.png for each size.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 4) {
        std::fputs("usage: render-icon ICON.svg OUTPUT-FOLDER SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render-icon: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    const QString folder = arguments.at(2);
    QDir().mkpath(folder);
    for (const QString &argument : arguments.mid(3)) {
        bool isNumber = false;
        const int size = argument.toInt(&isNumber);
        if (!isNumber || size <= 0 || size > 4096) {
            std::fprintf(stderr, "render-icon: not a size: %s\n", qPrintable(argument));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString path = QStringLiteral("%1/%2x%2.png").arg(folder).arg(size);
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "render-icon: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
