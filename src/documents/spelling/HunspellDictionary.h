#pragma once

#include "platform/TextCodec.h"

#include <QString>
#include <QStringList>

#include <memory>

class Hunspell;

// One Hunspell dictionary (an .aff and a .dic file), spoken to in the character set its .aff file names
// on its SET line. Words the set cannot hold are not the dictionary's language and count as correct.
class HunspellDictionary {
public:
    // Where Debian and other systems keep their dictionaries.
    static QStringList systemFolders();
    // The dictionary of that name (such as "da_DK") from the first folder holding both its files; null
    // when no folder does or the files cannot be read.
    static std::unique_ptr<HunspellDictionary> open(const QStringList &folders, const QString &name);

    ~HunspellDictionary();
    HunspellDictionary(const HunspellDictionary &) = delete;
    HunspellDictionary &operator=(const HunspellDictionary &) = delete;

    bool isCorrect(const QString &word);
    QStringList suggestions(const QString &word);
    // Accepted from now on, for this run of the program.
    void add(const QString &word);

private:
    HunspellDictionary(std::unique_ptr<Hunspell> hunspell, const QByteArray &charset);

    std::unique_ptr<Hunspell> hunspell_;
    NamedCharset charset_;
};
