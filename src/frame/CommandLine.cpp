#include "frame/CommandLine.h"

CommandLine CommandLine::parse(const QStringList &arguments)
{
    CommandLine result;
    bool options = true;
    for (const QString &argument : arguments.mid(1)) {
        if (options && argument == QLatin1String("--")) {
            options = false;
        } else if (options && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
            result.action = Action::ShowHelp;
            return result;
        } else if (options && (argument == QLatin1String("--version") || argument == QLatin1String("-v"))) {
            result.action = Action::ShowVersion;
            return result;
        } else {
            result.files << argument;
        }
    }
    return result;
}

QString CommandLine::helpText()
{
    return QStringLiteral(
        "Brug: skrivora [TILVALG] [--] [FIL...]\n"
        "Skrivora er en editor til almindelige tekstfiler og RTF-filer.\n"
        "\n"
        "Hver FIL, der findes, åbnes som dokument; navne på filer, der ikke findes, springes over.\n"
        "\n"
        "Tilvalg:\n"
        "  -h, --help     vis denne hjælp og afslut\n"
        "  -v, --version  vis versionen og afslut\n"
        "  --             resten af argumenterne er filnavne\n"
        "\n"
        "Programmets data ligger i ~/Skrivora3/ (eller i mappen i miljøvariablen SKRIVORA_ROOT).\n");
}

QString CommandLine::versionText()
{
    return QStringLiteral("skrivora " SKRIVORA_VERSION "\n");
}
