#include "documents/spelling/HunspellDictionary.h"

#include <QFileInfo>

#include <hunspell/hunspell.hxx>

QStringList HunspellDictionary::systemFolders()
{
    return { QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell"),
        QStringLiteral("/usr/share/myspell/dicts") };
}

std::unique_ptr<HunspellDictionary> HunspellDictionary::open(const QStringList &folders, const QString &name)
{
    for (const QString &folder : folders) {
        const QFileInfo aff(folder + u'/' + name + QStringLiteral(".aff"));
        const QFileInfo dic(folder + u'/' + name + QStringLiteral(".dic"));
        if (!aff.isFile() || !aff.isReadable() || !dic.isFile() || !dic.isReadable())
            continue;
        auto hunspell = std::make_unique<Hunspell>(QFile::encodeName(aff.absoluteFilePath()).constData(),
            QFile::encodeName(dic.absoluteFilePath()).constData());
        const QByteArray charset(hunspell->get_dic_encoding());
        std::unique_ptr<HunspellDictionary> dictionary(new HunspellDictionary(std::move(hunspell), charset));
        if (dictionary->charset_.isValid())
            return dictionary;
    }
    return nullptr;
}

HunspellDictionary::HunspellDictionary(std::unique_ptr<Hunspell> hunspell, const QByteArray &charset)
    : hunspell_(std::move(hunspell))
    , charset_(charset)
{ }

HunspellDictionary::~HunspellDictionary() = default;

bool HunspellDictionary::isCorrect(const QString &word)
{
    const auto bytes = charset_.encode(word);
    return !bytes || hunspell_->spell(bytes->toStdString());
}

QStringList HunspellDictionary::suggestions(const QString &word)
{
    QStringList result;
    const auto bytes = charset_.encode(word);
    if (!bytes)
        return result;
    for (const std::string &suggestion : hunspell_->suggest(bytes->toStdString()))
        result.append(charset_.decode(QByteArrayView(suggestion.data(), qsizetype(suggestion.size()))));
    return result;
}

void HunspellDictionary::add(const QString &word)
{
    if (const auto bytes = charset_.encode(word))
        hunspell_->add(bytes->toStdString());
}
