#include "documents/rtf/RtfLossNotice.h"

#include <QFileInfo>

namespace {

struct LossText {
    RtfLoss loss;
    const char16_t *text;
};

// In the order a reader of the list meets them in a document.
constexpr LossText kLossTexts[] = {
    { RtfLoss::Damage, u"Filen er beskadiget eller afkortet; kun det, der kunne læses, vises." },
    { RtfLoss::HeadersAndFooters, u"Sidehoveder og sidefødder." },
    { RtfLoss::Footnotes, u"Fodnoter og slutnoter." },
    { RtfLoss::Comments, u"Kommentarer." },
    { RtfLoss::HiddenText, u"Skjult tekst." },
    { RtfLoss::Fields, u"Felter som sidetal, datoer og indholdsfortegnelser; kun deres tekst vises." },
    { RtfLoss::IndexEntries, u"Mærker til stikordsregister og indholdsfortegnelse." },
    { RtfLoss::Objects,
        u"Indlejrede objekter, figurer og tekstfelter; kun deres billede eller tekst vises." },
};

} // namespace

QString RtfLossNotice::listOf(RtfLosses losses)
{
    QString list;
    for (const LossText &entry : kLossTexts) {
        if (losses.testFlag(entry.loss))
            list += u"\r- "_qs + QString::fromUtf16(entry.text);
    }
    return list;
}

QString RtfLossNotice::onOpen(RtfLosses losses, const QString &fileName)
{
    if (!losses)
        return {};
    return u"Dokumentet \"%1\" indeholder noget, som ikke kan vises eller gemmes her:"_qs.arg(
               QFileInfo(fileName).fileName())
        + listOf(losses)
        + u"\rGemmer du over filen, forsvinder det fra den. Brug \"Gem som\" for at beholde originalen."_qs;
}

QString RtfLossNotice::beforeSaveOver(RtfLosses losses, const QString &fileName)
{
    if (!losses)
        return {};
    return u"Hvis du gemmer over \"%1\", forsvinder dette fra filen:"_qs.arg(QFileInfo(fileName).fileName())
        + listOf(losses)
        + u"\rVil du gemme alligevel?\rVælg Nej og brug \"Gem som\" for at beholde den oprindelige fil."_qs;
}
