#pragma once

#include "app/SettingsFile.h"
#include "documents/spelling/HunspellDictionary.h"
#include "documents/spelling/WordFinder.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <future>
#include <memory>

// The program's spell checking, shared by every document window: the Danish dictionary, the user's own
// words (kept in a file in the settings folder, one word a line) and the words ignored for this run.
// The dictionary (150 ms of processor time, as much as the rest of the start-up together) is loaded on a
// thread of its own when it is first needed, so a start without documents never pays for it and a start
// with documents shows them without waiting for it: isReady() starts the loading and answers at once,
// and wordsChanged() tells when the marks can be made. isAvailable() waits for the dictionary. Everything
// else happens on the user-interface thread. Without a dictionary nothing is marked and isAvailable() is
// false.
//
// Create one for the program, for instance in the frame:
//     spelling = new SpellingService(HunspellDictionary::systemFolders(),
//                                    SpellingService::userWordsPath(context.fields.OptMappe), frame);
// Tests point the folders at an empty folder to run without a dictionary.
class SpellingService : public QObject {
    Q_OBJECT

public:
    static constexpr auto kDictionaryName = "da_DK";

    SpellingService(QStringList dictionaryFolders, QString userWordsPath, QObject *parent = nullptr);
    ~SpellingService() override;

    // The file of the user's own words in the settings folder.
    static QString userWordsPath(const QString &settingsFolder);

    // Waits for the dictionary when it is still loading.
    bool isAvailable();
    // Never waits: false while the dictionary is loading (it starts loading now if it was not yet), and
    // wordsChanged() follows once it is in.
    bool isReady();
    // Whether the word at that place of the paragraph should be marked. Words with digits, words in
    // capitals only (abbreviations, codes) and ignored words never are; a full stop right after the
    // word is tried on for abbreviations.
    bool isMisspelt(QStringView paragraph, const WordFinder::Word &word);
    QStringList suggestions(const QString &word);

    // Adds the word to the user's words and saves them. On a failed save the word still counts for this
    // run, and the return is the Danish message for the user; empty on success.
    QString addWord(const QString &word);
    // The word counts as correct for the rest of this run.
    void ignore(const QString &word);
    const QStringList &userWords() const { return userWords_; }

Q_SIGNALS:
    // A word was added or ignored, or the dictionary came in: marks must be redone.
    void wordsChanged();

private:
    void startLoading();
    HunspellDictionary *dictionary();
    bool isKnown(const QString &word);
    void accept(const QString &word);

    QStringList dictionaryFolders_;
    bool loadingStarted_ = false;
    std::future<std::unique_ptr<HunspellDictionary>> loading_;
    // Read at creation and written back in the encoding it had.
    SettingsFile userWordsFile_;
    std::unique_ptr<HunspellDictionary> dictionary_;
    QStringList userWords_;
    // Why the user's words could not be read; their file is then never written over.
    QString readError_;
    QSet<QString> accepted_;
    // Hunspell takes microseconds per word; scrolling meets the same words again and again.
    QHash<QString, bool> known_;
};
